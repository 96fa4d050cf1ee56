#include "preview/test_card.h"

#include <algorithm>
#include <vector>

#include "bmp/bmp_image.h"
#include "bmp/bmp_pixels.h"
#include "preview/tiny_font.h"

namespace {

// The default LUTs' entries: white is the last one; the corner mark is red
// where the table has one (index 2 of the 2-bit table, bright red of the
// 4-bit table, which the 8-bit table starts with), white at 1 bit.
uint32_t MarkColour(unsigned depth) {
  switch (depth) {
    case 1:
      return 1;
    case 2:
      return 2;
    case 16:
      return Rgb565(255, 0, 0);
    default:
      return 12;
  }
}

// The eight classic bars at 16 bits: white, yellow, cyan, green, magenta,
// red, blue, black.
const uint8_t kBars565[8][3] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                                {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};

// The 8-bit table's ramps at level 188 (entry 11 of a row): bright, yet
// apart from the rows that reach white at the top of their ramp.
const uint32_t kRowLevel = 11;

void PutPixel(std::vector<uint8_t>& row, uint32_t x, unsigned depth, uint32_t value) {
  if (depth == 16) {
    row[x * 2] = static_cast<uint8_t>(value);
    row[x * 2 + 1] = static_cast<uint8_t>(value >> 8);
  } else {
    SetPackedPixel(row.data(), x, static_cast<int>(depth), value);
  }
}

}  // namespace

TestCard::TestCard(uint32_t width, uint32_t height, unsigned depth)
    : width_(width), height_(height), depth_(depth) {
  black_ = 0;
  white_ = depth == 16 ? 0xFFFF : (1u << depth) - 1;
  mark_ = MarkColour(depth);
  uint32_t shorter = std::min(width, height);
  titleScale_ = static_cast<int>(std::max<uint32_t>(1, shorter / 48));
  markSize_ = std::max<uint32_t>(4, shorter / 6);
  title_ = "TOP";
  size_ =
      std::to_string(width) + "x" + std::to_string(height) + " " + std::to_string(depth) + "bpp";
  uint32_t titleWidth = static_cast<uint32_t>(TinyTextWidth(title_, titleScale_));
  uint32_t titleLeft = width > titleWidth ? (width - titleWidth) / 2 : 0;
  titleBox_ = TextBox(title_, titleScale_, titleLeft, 2u * titleScale_);
  sizeBox_ = TextBox(size_, 1, 2, height > kGlyphHeight + 1 ? height - kGlyphHeight - 1 : 0);
}

// The black box around text whose top left pixel is at (x, y): one text
// pixel of margin on each side.
TestCard::Box TestCard::TextBox(const std::string& text, int scale, uint32_t x, uint32_t y) const {
  uint32_t margin = static_cast<uint32_t>(scale);
  return {x >= margin ? x - margin : 0, y >= margin ? y - margin : 0,
          x + static_cast<uint32_t>(TinyTextWidth(text, scale)) + margin,
          y + static_cast<uint32_t>(kGlyphHeight * scale) + margin};
}

// Up to 16 bars: every entry of a small table; one of each row of 16 of the
// 8-bit table, at a level where the rows' colours all differ.
uint32_t TestCard::Bar(uint32_t x) const {
  if (depth_ == 16) {
    const uint8_t* c = kBars565[x * 8 / width_];
    return Rgb565(c[0], c[1], c[2]);
  }
  uint32_t entries = 1u << depth_;
  uint32_t bars = std::min<uint32_t>(entries, 16);
  uint32_t bar = x * bars / width_;
  uint32_t step = entries / bars;
  return bar * step + (step > 1 ? kRowLevel : 0);
}

// Every entry in order from left to right; a grey ramp at 16 bits.
uint32_t TestCard::Ramp(uint32_t x) const {
  if (depth_ == 16) {
    uint8_t level = static_cast<uint8_t>(x * 256 / width_);
    return Rgb565(level, level, level);
  }
  return static_cast<uint32_t>(uint64_t{x} * (1u << depth_) / width_);
}

uint32_t TestCard::Pixel(uint32_t x, uint32_t y) const {
  if (titleBox_.Holds(x, y)) {
    bool set =
        TinyTextPixel(title_, titleScale_, static_cast<int>(x - titleBox_.left) - titleScale_,
                      static_cast<int>(y - titleBox_.top) - titleScale_);
    return set ? white_ : black_;
  }
  if (sizeBox_.Holds(x, y)) {
    bool set = TinyTextPixel(size_, 1, static_cast<int>(x - sizeBox_.left) - 1,
                             static_cast<int>(y - sizeBox_.top) - 1);
    return set ? white_ : black_;
  }
  if (x + y < markSize_) return mark_;
  if (x % 16 == 0 || y % 16 == 0) return white_;
  return y < height_ / 2 ? Bar(x) : Ramp(x);
}

void DrawTestCard(const SurfaceTarget& target, DisplayMemory& memory) {
  unsigned depth = static_cast<unsigned>(target.depth);
  TestCard card(target.width, target.height, depth);
  std::vector<uint8_t> row(BmpRowLength(target.width, target.depth));
  for (uint32_t y = 0; y < target.height; ++y) {
    for (uint32_t x = 0; x < target.width; ++x) PutPixel(row, x, depth, card.Pixel(x, y));
    WriteSurfaceRow(target, memory, 0, y, row.data(), target.width);
  }
}
