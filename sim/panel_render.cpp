#include "sim/panel_render.h"

#include <stddef.h>

#include "common/register_indices.h"

namespace {

// A window as the chip fetches it: where its scan starts and how far apart
// its lines lie in display memory, both in 32-bit words.
struct ScanWindow {
  uint32_t startWord;
  uint32_t lineWords;
};

struct PanelRect {
  int64_t left, top, right, bottom;  // right and bottom exclusive
};

// Index of the memory pixel shown at (x, y) of a window, counted in pixels of
// the current depth from the start of display memory. Pixels lie most
// significant bits first, so the last pixel of a word is its lowest bits.
// Rotated scans start at the corner the start address names: 90 degrees at
// the last pixel of a word and runs down the memory rows, then leftwards; 180
// degrees runs backwards from the last pixel; 270 degrees starts at the first
// pixel of a word and runs up the rows, then rightwards.
int64_t MemoryPixelIndex(const ScanWindow& window, uint32_t rotation, int64_t perWord, int64_t x,
                         int64_t y) {
  int64_t base = int64_t{window.startWord} * perWord;
  int64_t line = int64_t{window.lineWords} * perWord;
  switch (rotation) {
    case 0:
      return base + x + y * line;
    case 1:
      return base + perWord - 1 - y + x * line;
    case 2:
      return base + perWord - 1 - x - y * line;
    default:
      return base + y - x * line;
  }
}

uint32_t ExpandRgb565(uint32_t value) {
  uint32_t red = (value >> 11) & 0x1F, green = (value >> 5) & 0x3F, blue = value & 0x1F;
  red = (red << 3) | (red >> 2);
  green = (green << 2) | (green >> 4);
  blue = (blue << 3) | (blue >> 2);
  return (red << 16) | (green << 8) | blue;
}

uint32_t LutColor(const ChipState& chip, uint32_t index) {
  const uint8_t* entry = chip.lut[index & 0xFF];
  return (uint32_t{entry[0]} << 16) | (uint32_t{entry[1]} << 8) | entry[2];
}

// The colour of one memory pixel; black when it lies outside display memory.
uint32_t MemoryPixelColor(const ChipState& chip, const uint8_t* memory, uint32_t memorySize,
                          uint32_t depth, int64_t index) {
  if (index < 0) return 0;
  int64_t bit = index * depth;
  int64_t byte = bit / 8;
  if (byte + (depth == 16 ? 2 : 1) > int64_t{memorySize}) return 0;
  if (depth == 16) return ExpandRgb565(memory[byte] | (uint32_t{memory[byte + 1]} << 8));
  uint32_t shift = 8 - depth - static_cast<uint32_t>(bit % 8);
  return LutColor(chip, (memory[byte] >> shift) & ((1u << depth) - 1));
}

// A monochrome panel shows the luminance of the colour (weights sum to 256,
// so equal components stay as they are).
uint32_t GreyOf(uint32_t rgb) {
  uint32_t red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
  uint32_t level = (77 * red + 150 * green + 29 * blue) >> 8;
  return (level << 16) | (level << 8) | level;
}

// The sub-window rectangle on the panel. Along the panel's lines the chip
// counts it in words for 0 and 180 degrees; rotated by 90 or 270 degrees the
// words run down the panel, so the vertical positions are in words instead.
PanelRect SubWindowRect(const ChipState& chip, uint32_t rotation, int64_t perWord) {
  int64_t xStart = ChipRegister16(chip, REG_SUB_WIN_X_START_POS0),
          yStart = ChipRegister16(chip, REG_SUB_WIN_Y_START_POS0);
  int64_t xEnd = ChipRegister16(chip, REG_SUB_WIN_X_END_POS0) + int64_t{1};
  int64_t yEnd = ChipRegister16(chip, REG_SUB_WIN_Y_END_POS0) + int64_t{1};
  if (rotation & 1) return {xStart, yStart * perWord, xEnd, yEnd * perWord};
  return {xStart * perWord, yStart, xEnd * perWord, yEnd};
}

bool PanelIsDark(const ChipState& chip) {
  bool blanked = (chip.regs[REG_DISPLAY_MODE] & 0x80) != 0;
  bool powerSave = (chip.regs[REG_POWER_SAVE_CONFIG] & 0x01) != 0;
  bool lcdPowerOff = (chip.regs[REG_GPIO_STATUS_CONTROL1] & 0x80) == 0;
  return blanked || powerSave || lcdPowerOff;
}

}  // namespace

PanelImage RenderPanel(const ChipState& chip, const uint8_t* memory, uint32_t memorySize) {
  PanelImage image;
  image.width = static_cast<int>(ChipPanelWidth(chip));
  image.height = static_cast<int>(ChipPanelHeight(chip));
  image.pixels.assign(static_cast<size_t>(image.width) * image.height, 0);
  if (PanelIsDark(chip)) return image;

  uint32_t depth = ChipColorDepth(chip);
  int64_t perWord = 32 / depth;
  uint32_t rotation = chip.regs[REG_SPECIAL_EFFECTS] & 3;
  bool subWindowOn = (chip.regs[REG_SPECIAL_EFFECTS] & 0x10) != 0;
  bool colorPanel = (chip.regs[REG_PANEL_TYPE] & 0x40) != 0;
  // Software (bit 4) and hardware (bit 5) invert act one after the other.
  bool inverted =
      (((chip.regs[REG_DISPLAY_MODE] >> 4) ^ (chip.regs[REG_DISPLAY_MODE] >> 5)) & 1) != 0;
  ScanWindow mainWindow = {ChipRegister24(chip, REG_MAIN_WIN_DISP_START_ADDR0),
                           ChipRegister16(chip, REG_MAIN_WIN_ADDR_OFFSET0)};
  ScanWindow subWindow = {ChipRegister24(chip, REG_SUB_WIN_DISP_START_ADDR0),
                          ChipRegister16(chip, REG_SUB_WIN_ADDR_OFFSET0)};
  PanelRect sub = SubWindowRect(chip, rotation, perWord);

  for (int64_t y = 0; y < image.height; ++y) {
    for (int64_t x = 0; x < image.width; ++x) {
      bool inSub = subWindowOn && x >= sub.left && x < sub.right && y >= sub.top && y < sub.bottom;
      int64_t index =
          inSub ? MemoryPixelIndex(subWindow, rotation, perWord, x - sub.left, y - sub.top)
                : MemoryPixelIndex(mainWindow, rotation, perWord, x, y);
      uint32_t rgb = MemoryPixelColor(chip, memory, memorySize, depth, index);
      if (!colorPanel) rgb = GreyOf(rgb);
      if (inverted) rgb ^= 0xFFFFFF;
      image.pixels[static_cast<size_t>(y * image.width + x)] = rgb;
    }
  }
  return image;
}
