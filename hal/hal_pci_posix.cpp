// There is no board driver on POSIX hosts; only the virtual board maps.
#include "hal/hal_pci.h"

int PciDriverMap(uint32_t, uintptr_t* linearAddress) {
  *linearAddress = 0;
  return 6;
}

void PciDriverUnmap(uintptr_t) {}
