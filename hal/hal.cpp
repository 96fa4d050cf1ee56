// Start-up of the HAL: board mapping, chip detection, first surface layout.
#include "hal/hal.h"

void hxVersion(const char** version, const char** suffix1, const char** suffix2) {
  if (version) *version = "1.06";
  if (suffix1) *suffix1 = "";
  if (suffix2) *suffix2 = "";
}

int hxDetectChip(int* revision) {
  uint8_t value = hxRegRead8(REG_REVISION_CODE);
  bool found = (value & 0xFC) == kQlc56420ProductCode;
  if (revision) *revision = found ? (value & 3) : 0;
  return found ? kHalOk : kHalNoChip;
}

int hxOpen(HAL_STRUCT* record) {
  hxResetSurfaces();
  hxResetPriority();
  hxUseRecord(record);

  int mapped = hxMapBoard(record);
  if (mapped != kHalOk) return mapped;

  // The first allocation and reset leave the allocator as a freshly started
  // chip has it: one free block over all display memory.
  _hxVmemInit(kDisplayMemorySize);
  hxMainSurface()->buffer = nullptr;
  hxAllocMainBuffer(0x10000);
  hxSelectMainSurface();
  _hxVmemInit(kDisplayMemorySize);
  hxMainSurface()->buffer = nullptr;

  int detected = hxDetectChip(nullptr);
  hxAllocSurfaces(kSurfaceMain);
  return detected;
}
