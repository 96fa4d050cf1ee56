#include "preference.h"

#include "../record/record.h"
#include "timing.h"

unsigned GetRotation() {
  return GetRegister(kRegSpecialEffects) & 3;
}
unsigned GetColorDepthCode() {
  return GetRegister(kRegDisplayMode) & 7;
}
uint32_t BitsPerPixel() {
  return 1u << (GetColorDepthCode() > 4 ? 4 : GetColorDepthCode());
}

// Words of a number of pixels at the current depth, truncated.
static uint32_t Words(uint32_t pixels) {
  return (pixels * BitsPerPixel()) >> 5;
}

static uint32_t LessOneOrZero(uint32_t value) {
  return value ? value - 1 : 0;
}

uint32_t MainWindowStartAddress(unsigned rotation) {
  uint32_t width = GetPanelWidth(), height = GetPanelHeight();
  switch (rotation & 3) {
    case kRotation0:
      return 0;
    case kRotation90:
      return LessOneOrZero(Words(height));
    case kRotation180:
      return LessOneOrZero(Words(width * height));
    default:
      return Words((width - 1) * height);
  }
}

static void SetStartAddress(uint32_t words) {
  SetRegister(kRegMainWinDispStartAddr0, words & 0xFF);
  SetRegister(kRegMainWinDispStartAddr1, (words >> 8) & 0xFF);
  SetRegister(kRegMainWinDispStartAddr2, (words >> 16) & 0xFF);
}

void SetRotation(unsigned rotation) {
  rotation &= 3;
  SetRegister(kRegSpecialEffects, (GetRegister(kRegSpecialEffects) & 0xFC) | rotation);
  SetStartAddress(MainWindowStartAddress(rotation));
  bool sideways = rotation == kRotation90 || rotation == kRotation270;
  uint32_t offset = Words(sideways ? GetPanelHeight() : GetPanelWidth());
  SetRegister(kRegMainWinAddrOffset0, offset & 0xFF);
  SetRegister(kRegMainWinAddrOffset1, (offset >> 8) & 0xFF);
}

void UpdateMainWindowLayout() {
  SetStartAddress(MainWindowStartAddress(GetRotation()));
  UpdateLineOffset();
}

bool SetColorDepth(unsigned code) {
  if (code > kMaxColorDepthCode) return false;
  SetRegister(kRegDisplayMode, (GetRegister(kRegDisplayMode) & 0xF8) | code);
  UpdateMainWindowLayout();
  return true;
}

static void SetDisplayModeBit(unsigned bit, bool on) {
  unsigned mode = GetRegister(kRegDisplayMode) & ~bit;
  SetRegister(kRegDisplayMode, mode | (on ? bit : 0));
}

void SetSoftwareInvert(bool on) {
  SetDisplayModeBit(0x10, on);
}
void SetHardwareInvert(bool on) {
  SetDisplayModeBit(0x20, on);
}
