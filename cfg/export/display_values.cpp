#include "cfg/export/display_values.h"

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

unsigned ColourDepthBitsOfCode(unsigned code) {
  static const unsigned kBits[8] = {1, 2, 4, 8, 16, 16, 16, 16};
  return kBits[code & 7];
}

unsigned GetColourDepthBits(const Configuration& config) {
  return ColourDepthBitsOfCode(config.GetRegister(REG_DISPLAY_MODE));
}

void GetRotatedDisplaySize(const Configuration& config, uint32_t* width, uint32_t* height) {
  uint32_t panelWidth = GetPanelWidth(config);
  uint32_t panelHeight = GetPanelHeight(config);
  bool rotated = (config.GetRegister(REG_SPECIAL_EFFECTS) & 1) != 0;
  *width = rotated ? panelHeight : panelWidth;
  *height = rotated ? panelWidth : panelHeight;
}

uint32_t GetLineStrideBytes(const Configuration& config) {
  uint32_t low = config.GetRegister(REG_MAIN_WIN_ADDR_OFFSET0);
  uint32_t high = config.GetRegister(REG_MAIN_WIN_ADDR_OFFSET1);
  return (low + high * 256) * 4;
}

int RegisterListLength(const HAL_STRUCT& record) {
  int count = 0;
  while (count < kMaxRegCfg && record.Regs[count].Index != FINISHED_REG_CFG) ++count;
  return count;
}

unsigned RegisterEntryValue(const REG_CFG& entry) {
  return entry.Value & 0xFFu;
}
