#include "cfg/pages/preference/preference.h"

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

void SetRotation(Configuration& config, unsigned rotation) {
  rotation &= 3;
  config.SetRegister(REG_SPECIAL_EFFECTS,
                     (config.GetRegister(REG_SPECIAL_EFFECTS) & 0xFC) | rotation);
  SetMainWindowStartAddress(config, MainWindowStartAddress(config, rotation));
  bool sideways = rotation == kRotation90 || rotation == kRotation270;
  // Unlike the line offset of a size change, the rotation's offset is truncated.
  uint32_t offset =
      ((sideways ? GetPanelHeight(config) : GetPanelWidth(config)) * BitsPerPixel(config)) >> 5;
  config.SetRegister(REG_MAIN_WIN_ADDR_OFFSET0, offset & 0xFF);
  config.SetRegister(REG_MAIN_WIN_ADDR_OFFSET1, (offset >> 8) & 0xFF);
}

bool SetColorDepth(Configuration& config, unsigned code) {
  if (code > kMaxColorDepthCode) return false;
  config.SetRegister(REG_DISPLAY_MODE, (config.GetRegister(REG_DISPLAY_MODE) & 0xF8) | code);
  UpdateMainWindowLayout(config);
  return true;
}

enum { kSoftwareInvertBit = 0x10, kHardwareInvertBit = 0x20 };

PreferenceChoices ShownPreferenceChoices(const Configuration& config) {
  unsigned mode = config.GetRegister(REG_DISPLAY_MODE);
  return {GetRotation(config), GetColorDepthCode(config), (mode & kSoftwareInvertBit) != 0,
          (mode & kHardwareInvertBit) != 0};
}

static void SetDisplayModeBit(Configuration& config, unsigned bit, bool on) {
  unsigned mode = config.GetRegister(REG_DISPLAY_MODE) & ~bit;
  config.SetRegister(REG_DISPLAY_MODE, mode | (on ? bit : 0));
}

void SetSoftwareInvert(Configuration& config, bool on) {
  SetDisplayModeBit(config, kSoftwareInvertBit, on);
}
void SetHardwareInvert(Configuration& config, bool on) {
  SetDisplayModeBit(config, kHardwareInvertBit, on);
}
