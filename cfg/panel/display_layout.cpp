#include "cfg/panel/display_layout.h"

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

unsigned GetRotation(const Configuration& config) {
  return config.GetRegister(REG_SPECIAL_EFFECTS) & 3;
}
unsigned GetColorDepthCode(const Configuration& config) {
  return config.GetRegister(REG_DISPLAY_MODE) & 7;
}
uint32_t BitsPerPixel(const Configuration& config) {
  return 1u << (GetColorDepthCode(config) > 4 ? 4 : GetColorDepthCode(config));
}

// Words of a number of pixels at the current depth, truncated.
static uint32_t Words(const Configuration& config, uint32_t pixels) {
  return (pixels * BitsPerPixel(config)) >> 5;
}

static uint32_t LessOneOrZero(uint32_t value) {
  return value ? value - 1 : 0;
}

uint32_t MainWindowStartAddress(const Configuration& config, unsigned rotation) {
  uint32_t width = GetPanelWidth(config), height = GetPanelHeight(config);
  switch (rotation & 3) {
    case kRotation0:
      return 0;
    case kRotation90:
      return LessOneOrZero(Words(config, height));
    case kRotation180:
      return LessOneOrZero(Words(config, width * height));
    default:
      return Words(config, (width - 1) * height);
  }
}

void SetMainWindowStartAddress(Configuration& config, uint32_t words) {
  config.SetRegister(REG_MAIN_WIN_DISP_START_ADDR0, words & 0xFF);
  config.SetRegister(REG_MAIN_WIN_DISP_START_ADDR1, (words >> 8) & 0xFF);
  config.SetRegister(REG_MAIN_WIN_DISP_START_ADDR2, (words >> 16) & 0xFF);
}

uint32_t LineOffsetWords(const Configuration& config) {
  uint32_t length = (config.GetRegister(REG_SPECIAL_EFFECTS) & 1) ? GetPanelHeight(config)
                                                                  : GetPanelWidth(config);
  switch (config.GetRegister(REG_DISPLAY_MODE) & 7) {
    case 0:
      return (length + 31) / 32;
    case 1:
      return (length + 15) / 16;
    case 2:
      return (length + 7) / 8;
    case 3:
      return length / 4;
    default:
      return length / 2;
  }
}

void UpdateLineOffset(Configuration& config) {
  uint32_t words = LineOffsetWords(config);
  config.SetRegister(REG_MAIN_WIN_ADDR_OFFSET0, words & 0xFF);
  config.SetRegister(REG_MAIN_WIN_ADDR_OFFSET1, (words >> 8) & 0xFF);
}

void UpdateMainWindowLayout(Configuration& config) {
  SetMainWindowStartAddress(config, MainWindowStartAddress(config, GetRotation(config)));
  UpdateLineOffset(config);
}
