#include "cfg/panel/display_layout.h"

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

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

void SetMainWindowStartAddress(uint32_t words) {
  SetRegister(kRegMainWinDispStartAddr0, words & 0xFF);
  SetRegister(kRegMainWinDispStartAddr1, (words >> 8) & 0xFF);
  SetRegister(kRegMainWinDispStartAddr2, (words >> 16) & 0xFF);
}

uint32_t LineOffsetWords() {
  uint32_t length = (GetRegister(kRegSpecialEffects) & 1) ? GetPanelHeight() : GetPanelWidth();
  switch (GetRegister(kRegDisplayMode) & 7) {
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

void UpdateLineOffset() {
  uint32_t words = LineOffsetWords();
  SetRegister(kRegMainWinAddrOffset0, words & 0xFF);
  SetRegister(kRegMainWinAddrOffset1, (words >> 8) & 0xFF);
}

void UpdateMainWindowLayout() {
  SetMainWindowStartAddress(MainWindowStartAddress(GetRotation()));
  UpdateLineOffset();
}
