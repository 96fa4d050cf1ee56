// The look-up table and its defaults for 1, 2, 4 and 8 bits per pixel.
#include "hal/hal_lut.h"

#include "hal/hal_regs.h"

namespace {

const uint8_t kLut1[2 * 3] = {0, 0, 0, 255, 255, 255};

const uint8_t kLut2Colour[4 * 3] = {0, 0, 0, 0, 0, 255, 255, 0, 0, 255, 255, 255};
const uint8_t kLut2Mono[4 * 3] = {0, 0, 0, 85, 85, 85, 170, 170, 170, 255, 255, 255};

// Index bit 0 blue, bit 1 green, bit 2 red; 170 for the dark half, 255 for
// the bright half.
const uint8_t kLut4Colour[16 * 3] = {
    0, 0, 0, 0, 0, 170, 0, 170, 0, 0, 170, 170, 170, 0, 0, 170, 0, 170, 170, 170, 0, 170, 170, 170,
    0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 255, 255, 0, 255, 255, 255};

// The 16 levels of the 8-bit ramps (137, not 136).
const uint8_t kRampLevels[16] = {0,   17,  34,  51,  68,  85,  102, 119,
                                 137, 154, 171, 188, 205, 222, 239, 255};

// How each component of a ramp row follows the level L.
enum RampComponent : uint8_t { kZero, kLevel, kFull, kFalling };  // 0, L, 255, 255-L

// Rows 1..15 of the 8-bit colour table, as (red, green, blue).
const RampComponent kRampRows[15][3] = {
    {kLevel, kLevel, kLevel},  // grey
    {kLevel, kZero, kZero},    // red
    {kZero, kLevel, kZero},    // green
    {kZero, kZero, kLevel},    // blue
    {kZero, kLevel, kFull},   {kZero, kFull, kFalling}, {kLevel, kFull, kZero},
    {kFull, kFalling, kZero}, {kFull, kZero, kLevel},   {kFalling, kZero, kFull},
    {kLevel, kZero, kLevel},  {kZero, kLevel, kLevel},  {kFull, kLevel, kLevel},
    {kLevel, kFull, kLevel},  {kLevel, kLevel, kFull},
};

uint8_t RampValue(RampComponent component, unsigned step) {
  switch (component) {
    case kLevel:
      return kRampLevels[step];
    case kFull:
      return 255;
    case kFalling:
      return kRampLevels[15 - step];
    default:
      return 0;
  }
}

struct ComputedLuts {
  uint8_t mono4[16 * 3];
  uint8_t colour8[256 * 3];
  uint8_t mono8[256 * 3];
};

const ComputedLuts& Computed() {
  static const ComputedLuts luts = [] {
    ComputedLuts t{};
    for (unsigned i = 0; i < 16; ++i) {
      for (unsigned c = 0; c < 3; ++c) t.mono4[i * 3 + c] = static_cast<uint8_t>(i * 16);
    }
    for (unsigned i = 0; i < 256; ++i) {
      for (unsigned c = 0; c < 3; ++c) t.mono8[i * 3 + c] = static_cast<uint8_t>(i * 4);
    }
    for (unsigned i = 0; i < 16 * 3; ++i) t.colour8[i] = kLut4Colour[i];
    for (unsigned c = 0; c < 3; ++c) t.colour8[8 * 3 + c] = 85;
    for (unsigned row = 1; row < 16; ++row) {
      for (unsigned step = 0; step < 16; ++step) {
        for (unsigned c = 0; c < 3; ++c) {
          t.colour8[(row * 16 + step) * 3 + c] = RampValue(kRampRows[row - 1][c], step);
        }
      }
    }
    return t;
  }();
  return luts;
}

}  // namespace

void hxWriteLutEntry(unsigned index, const uint8_t* triple) {
  hxRegWrite8(REG_LUT_RED_WRITE_DATA, triple[0]);
  hxRegWrite8(REG_LUT_GREEN_WRITE_DATA, triple[1]);
  hxRegWrite8(REG_LUT_BLUE_WRITE_DATA, triple[2]);
  // Writing the address stores the entry.
  hxRegWrite8(REG_LUT_WRITE_ADDR, static_cast<uint8_t>(index));
}

void hxWriteLut(const uint8_t* triples, unsigned count) {
  for (unsigned i = 0; i < count; ++i) hxWriteLutEntry(i, triples + i * 3);
}

const uint8_t* hxDefaultLut(unsigned d, bool colourPanel, unsigned* count) {
  const ComputedLuts& computed = Computed();
  switch (d) {
    case 1:
      *count = 2;
      return kLut1;
    case 2:
      *count = 4;
      return colourPanel ? kLut2Colour : kLut2Mono;
    case 4:
      *count = 16;
      return colourPanel ? kLut4Colour : computed.mono4;
    case 8:
      *count = 256;
      return colourPanel ? computed.colour8 : computed.mono8;
    default:
      *count = 0;
      return nullptr;
  }
}

void hxLoadDefaultLut(unsigned d) {
  bool colourPanel = (hxRegRead8(REG_PANEL_TYPE) & 0x40) != 0;
  unsigned count = 0;
  const uint8_t* table = hxDefaultLut(d, colourPanel, &count);
  if (table) hxWriteLut(table, count);
}
