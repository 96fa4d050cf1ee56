#include "cfg/pages/preference/preference.h"

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

void SetRotation(unsigned rotation) {
  rotation &= 3;
  SetRegister(kRegSpecialEffects, (GetRegister(kRegSpecialEffects) & 0xFC) | rotation);
  SetMainWindowStartAddress(MainWindowStartAddress(rotation));
  bool sideways = rotation == kRotation90 || rotation == kRotation270;
  // Unlike the line offset of a size change, the rotation's offset is truncated.
  uint32_t offset = ((sideways ? GetPanelHeight() : GetPanelWidth()) * BitsPerPixel()) >> 5;
  SetRegister(kRegMainWinAddrOffset0, offset & 0xFF);
  SetRegister(kRegMainWinAddrOffset1, (offset >> 8) & 0xFF);
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
