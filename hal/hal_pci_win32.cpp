// The board driver on Windows: one device, three control codes. The handle
// is opened for each request and closed again.
#include <windows.h>

#include "hal/hal_pci.h"

namespace {

enum : DWORD {
  kIoctlMapByBoardNumber = 0x42404,
  kIoctlMapByAddress = 0x42408,
  kIoctlUnmap = 0x4240C,
};

HANDLE OpenDriver() {
  // Top bit clear: the NT family.
  if ((GetVersion() & 0x80000000u) == 0) {
    return CreateFileA("\\\\.\\QLC56xxx", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return CreateFileA("\\\\.\\QLC56xxx.VXD", 0, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE,
                     nullptr);
}

uint32_t BoardNumber() {
  char text[80];
  DWORD length = GetEnvironmentVariableA(QLC_BOARD_NUMBER_VARIABLE, text, sizeof text);
  if (length == 0 || length >= sizeof text) return 0;
  return hxBoardNumberFromText(text);
}

}  // namespace

int PciDriverMap(uint32_t base, uintptr_t* linearAddress) {
  *linearAddress = 0;
  HANDLE driver = OpenDriver();
  if (driver == INVALID_HANDLE_VALUE) return 6;

  DWORD returned = 0;
  BOOL accepted;
  uint32_t linear = 0;
  if (base == 0) {
    uint32_t boardNumber = BoardNumber();
    uint32_t answer[2] = {0, 0};
    accepted = DeviceIoControl(driver, kIoctlMapByBoardNumber, &boardNumber, sizeof boardNumber,
                               answer, sizeof answer, &returned, nullptr);
    linear = answer[0];
  } else {
    uint32_t request[2] = {base, kHalWindowSize};
    accepted = DeviceIoControl(driver, kIoctlMapByAddress, request, sizeof request, &linear,
                               sizeof linear, &returned, nullptr);
  }
  CloseHandle(driver);
  if (!accepted) return 7;
  // A null window would be taken for registers at address 0.
  if (linear == 0) return 1;
  *linearAddress = linear;
  return 0;
}

void PciDriverUnmap(uintptr_t linearAddress) {
  if (linearAddress == 0) return;
  HANDLE driver = OpenDriver();
  if (driver == INVALID_HANDLE_VALUE) return;
  uint32_t linear = static_cast<uint32_t>(linearAddress);
  DWORD returned = 0;
  DeviceIoControl(driver, kIoctlUnmap, &linear, sizeof linear, nullptr, 0, &returned, nullptr);
  CloseHandle(driver);
}
