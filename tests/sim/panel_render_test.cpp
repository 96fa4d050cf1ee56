// The panel shows display memory the way the chip scans it: every depth and
// rotation, the sub-window over the main window, and the dark, grey and
// inverted states.
#include "sim/panel_render.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int kPanelWidth = 64;
const int kPanelHeight = 32;
const uint32_t kMemorySize = 0x14000;
const uint32_t kImageOffset = 0x1000;  // bytes; the image need not start at 0

uint8_t DepthCode(uint32_t depth) {
  switch (depth) {
    case 1:
      return 0;
    case 2:
      return 1;
    case 4:
      return 2;
    case 8:
      return 3;
    default:
      return 4;
  }
}

// A different colour for every LUT index (the green component alone differs).
uint32_t LutColorFor(uint32_t index) {
  return (((index * 37) & 0xFF) << 16) | ((255 - index) << 8) | ((index * 11) & 0xFF);
}

uint32_t Expand565(uint32_t v) {
  uint32_t r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
  return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

class PanelRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetChip(&chip_);
    memory_.assign(kMemorySize, 0);
    chip_.regs[0x10] = 0x40;  // colour panel
    chip_.regs[0x14] = kPanelWidth / 8 - 1;
    chip_.regs[0x1C] = kPanelHeight - 1;
    chip_.regs[0xAD] = 0x80;  // LCD power on
    for (uint32_t i = 0; i < 256; ++i) {
      chip_.lut[i][0] = static_cast<uint8_t>(LutColorFor(i) >> 16);
      chip_.lut[i][1] = static_cast<uint8_t>(LutColorFor(i) >> 8);
      chip_.lut[i][2] = static_cast<uint8_t>(LutColorFor(i));
    }
  }

  void SetMode(uint32_t depth, uint8_t rotation) {
    depth_ = depth;
    chip_.regs[0x70] = DepthCode(depth);
    chip_.regs[0x71] = rotation;
  }
  void Set16(uint8_t offset, uint32_t value) {
    chip_.regs[offset] = static_cast<uint8_t>(value);
    chip_.regs[offset + 1] = static_cast<uint8_t>(value >> 8);
  }
  void Set24(uint8_t offset, uint32_t value) {
    Set16(offset, value);
    chip_.regs[offset + 2] = static_cast<uint8_t>(value >> 16);
  }

  // Stores pixel (x, y) of an image with lines of stride bytes, packed the way
  // bitmap rows are: most significant bits first, 16 bits little-endian.
  void PutPixel(uint32_t base, uint32_t stride, int x, int y, uint32_t value) {
    uint32_t bit = static_cast<uint32_t>(x) * depth_;
    uint32_t at = base + static_cast<uint32_t>(y) * stride + bit / 8;
    if (depth_ == 16) {
      memory_[at] = static_cast<uint8_t>(value);
      memory_[at + 1] = static_cast<uint8_t>(value >> 8);
      return;
    }
    uint32_t shift = 8 - depth_ - bit % 8;
    uint32_t mask = ((1u << depth_) - 1) << shift;
    memory_[at] = static_cast<uint8_t>((memory_[at] & ~mask) | ((value << shift) & mask));
  }

  uint32_t ColorOf(uint32_t value) const {
    return depth_ == 16 ? Expand565(value) : LutColorFor(value);
  }

  PanelImage Render() const { return RenderPanel(chip_, memory_.data(), kMemorySize); }
  static uint32_t At(const PanelImage& image, int x, int y) {
    return image.pixels[static_cast<size_t>(y * image.width + x)];
  }

  ChipState chip_;
  std::vector<uint8_t> memory_;
  uint32_t depth_ = 8;
};

uint32_t ImageValue(int x, int y, uint32_t depth) {
  if (depth == 16) return static_cast<uint32_t>(x * 0x0841 + y * 0x1111 + x * y) & 0xFFFF;
  return static_cast<uint32_t>(x * 3 + y * 5 + x * y / 3) & ((1u << depth) - 1);
}

// An image drawn in the rotated orientation, with the start address the HAL
// computes for view origin (0, 0), appears turned on the panel: at 90 degrees
// its top row runs up the panel's left edge, at 180 degrees it is upside down,
// at 270 degrees its top row runs down the panel's right edge.
TEST_F(PanelRenderTest, EveryDepthAndRotationShowsTheImageTurnedAsDrawn) {
  for (uint32_t depth : {1u, 2u, 4u, 8u, 16u}) {
    for (uint8_t rotation = 0; rotation < 4; ++rotation) {
      SetUp();
      SetMode(depth, rotation);
      int width = (rotation & 1) ? kPanelHeight : kPanelWidth;  // as the HAL sees it
      int height = (rotation & 1) ? kPanelWidth : kPanelHeight;
      uint32_t stride = static_cast<uint32_t>(width) * depth / 8;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          PutPixel(kImageOffset, stride, x, y, ImageValue(x, y, depth));
      uint32_t rowBytes = stride, lastRow = (static_cast<uint32_t>(height) - 1) * stride;
      const uint32_t startWords[4] = {kImageOffset / 4, (kImageOffset + rowBytes) / 4 - 1,
                                      (kImageOffset + lastRow + rowBytes) / 4 - 1,
                                      (kImageOffset + lastRow) / 4};
      Set24(0x74, startWords[rotation]);
      Set16(0x78, stride / 4);

      PanelImage image = Render();
      ASSERT_EQ(image.width, kPanelWidth);
      ASSERT_EQ(image.height, kPanelHeight);
      int mismatches = 0;
      for (int py = 0; py < kPanelHeight; ++py) {
        for (int px = 0; px < kPanelWidth; ++px) {
          int x = px, y = py;
          if (rotation == 1) x = width - 1 - py, y = px;
          if (rotation == 2) x = width - 1 - px, y = height - 1 - py;
          if (rotation == 3) x = py, y = height - 1 - px;
          if (At(image, px, py) != ColorOf(ImageValue(x, y, depth)) && mismatches++ < 3)
            ADD_FAILURE() << depth << " bpp, rotation " << int(rotation) << ": panel (" << px << ","
                          << py << ") should show image (" << x << "," << y << ")";
        }
      }
    }
  }
}

TEST_F(PanelRenderTest, SixteenBitPixelsAreLittleEndian565) {
  SetMode(16, 0);
  Set16(0x78, kPanelWidth / 2);
  const uint32_t values[4] = {0xF800, 0x07E0, 0x001F, 0x8410};
  for (int i = 0; i < 4; ++i) PutPixel(0, kPanelWidth * 2, i, 0, values[i]);
  PanelImage image = Render();
  EXPECT_EQ(At(image, 0, 0), 0xFF0000u);
  EXPECT_EQ(At(image, 1, 0), 0x00FF00u);
  EXPECT_EQ(At(image, 2, 0), 0x0000FFu);
  EXPECT_EQ(At(image, 3, 0), 0x848284u);
  EXPECT_EQ(memory_[0], 0x00);  // low byte first
  EXPECT_EQ(memory_[1], 0xF8);
}

TEST_F(PanelRenderTest, PixelsBeyondDisplayMemoryShowBlack) {
  SetMode(8, 0);
  chip_.lut[0][0] = chip_.lut[0][1] = chip_.lut[0][2] = 0xFF;  // memory itself shows white
  Set24(0x74, kMemorySize / 4 - 8);  // the first 32 pixels lie in memory, the rest past its end
  Set16(0x78, 16);
  PanelImage image = Render();
  EXPECT_EQ(At(image, 31, 0), 0xFFFFFFu);
  EXPECT_EQ(At(image, 32, 0), 0x000000u);
  EXPECT_EQ(At(image, 0, 1), 0x000000u);
  Set24(0x74, 0xFFFFFF);  // far outside, and a backwards scan before the start
  chip_.regs[0x71] = 2;
  EXPECT_EQ(At(Render(), 10, 10), 0x000000u);
  Set24(0x74, 0);
  EXPECT_EQ(At(Render(), 10, 10), 0x000000u);
}

// Fills the main window with LUT index 1 and a separate sub-window image
// (lines of 32 pixels at 8 bits) whose pixels say where they are.
void FillForSubWindow(std::vector<uint8_t>* memory) {
  for (int i = 0; i < kPanelWidth * kPanelHeight; ++i) (*memory)[static_cast<size_t>(i)] = 1;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 32; ++x)
      (*memory)[static_cast<size_t>(0x4000 + y * 32 + x)] = static_cast<uint8_t>(100 + x + 4 * y);
}

TEST_F(PanelRenderTest, SubWindowInLandscapeCoversItsWordRectangle) {
  SetMode(8, 0x10);  // landscape, sub-window on
  FillForSubWindow(&memory_);
  Set16(0x78, kPanelWidth / 4);
  Set24(0x7C, 0x4000 / 4);
  Set16(0x80, 8);   // 32-pixel lines
  Set16(0x84, 2);   // x from word 2: pixel 8
  Set16(0x88, 4);   // y from line 4
  Set16(0x8C, 5);   // to word 5: pixel 23
  Set16(0x90, 11);  // to line 11
  PanelImage image = Render();
  for (int y = 0; y < kPanelHeight; ++y) {
    for (int x = 0; x < kPanelWidth; ++x) {
      bool inside = x >= 8 && x < 24 && y >= 4 && y < 12;
      uint32_t expected = inside ? LutColorFor(100 + (x - 8) + 4 * (y - 4)) : LutColorFor(1);
      ASSERT_EQ(At(image, x, y), expected) << "(" << x << "," << y << ")";
    }
  }
  chip_.regs[0x71] = 0x00;  // sub-window off
  EXPECT_EQ(At(Render(), 8, 4), LutColorFor(1));
}

// At 90 degrees the chip counts the sub-window's vertical extent in words.
// The registers below are what the HAL writes for the rotated rectangle
// x 8..16, y 4..20 (end exclusive) on this 64 x 32 panel at 8 bits per pixel.
TEST_F(PanelRenderTest, SubWindowAtNinetyDegreesIsPlacedAndTurnedLikeTheMainWindow) {
  SetMode(8, 0x11);
  FillForSubWindow(&memory_);
  Set24(0x74, kPanelHeight / 4 - 1);
  Set16(0x78, kPanelHeight / 4);
  Set16(0x84, 4);   // y1
  Set16(0x88, 4);   // (32 - 16) / 4
  Set16(0x8C, 19);  // y2 - 1
  Set16(0x90, 5);   // (32 - 8) / 4 - 1
  // The sub-window surface is 8 pixels wide (two words) and starts, like the
  // main window, at the last word of its first line.
  Set24(0x7C, (0x4000 + 8) / 4 - 1);
  Set16(0x80, 2);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 8; ++x)
      memory_[static_cast<size_t>(0x4000 + y * 8 + x)] = uint8_t(100 + x + 8 * y);

  PanelImage image = Render();
  for (int py = 0; py < kPanelHeight; ++py) {
    for (int px = 0; px < kPanelWidth; ++px) {
      bool inside = px >= 4 && px < 20 && py >= 16 && py < 24;
      int x = 7 - (py - 16), y = px - 4;  // sub-window image pixel shown there
      uint32_t expected =
          inside ? LutColorFor(static_cast<uint32_t>(100 + x + 8 * y)) : LutColorFor(1);
      ASSERT_EQ(At(image, px, py), expected) << "(" << px << "," << py << ")";
    }
  }
}

TEST_F(PanelRenderTest, SubWindowIsClippedAtThePanelEdge) {
  SetMode(8, 0x10);
  Set16(0x78, kPanelWidth / 4);
  Set16(0x8C, 1000);
  Set16(0x90, 1000);
  PanelImage image = Render();
  EXPECT_EQ(image.pixels.size(), size_t{kPanelWidth * kPanelHeight});
}

TEST_F(PanelRenderTest, BlankPowerSaveAndLcdPowerOffShowADarkPanel) {
  SetMode(8, 0);
  Set16(0x78, kPanelWidth / 4);
  memory_.assign(kMemorySize, 5);
  chip_.regs[0x70] |= 0x30;  // even inverted
  ASSERT_NE(At(Render(), 0, 0), 0u);
  struct {
    uint8_t offset, bit;
  } const darkening[] = {{0x70, 0x80}, {0xA0, 0x01}};
  for (auto dark : darkening) {
    chip_.regs[dark.offset] ^= dark.bit;
    PanelImage image = Render();
    for (uint32_t pixel : image.pixels) ASSERT_EQ(pixel, 0u) << "REG[" << int(dark.offset) << "]";
    chip_.regs[dark.offset] ^= dark.bit;
  }
  chip_.regs[0xAD] = 0x7F;  // LCD power off, the other GPIO bits set
  for (uint32_t pixel : Render().pixels) ASSERT_EQ(pixel, 0u);
}

TEST_F(PanelRenderTest, EitherInvertBitInvertsAndBothCancel) {
  SetMode(8, 0);
  Set16(0x78, kPanelWidth / 4);
  memory_[0] = 9;
  chip_.regs[0x70] = 0x13;
  EXPECT_EQ(At(Render(), 0, 0), LutColorFor(9) ^ 0xFFFFFF);
  chip_.regs[0x70] = 0x23;
  EXPECT_EQ(At(Render(), 0, 0), LutColorFor(9) ^ 0xFFFFFF);
  chip_.regs[0x70] = 0x33;
  EXPECT_EQ(At(Render(), 0, 0), LutColorFor(9));
}

TEST_F(PanelRenderTest, MonochromePanelShowsGrey) {
  SetMode(8, 0);
  Set16(0x78, kPanelWidth / 4);
  chip_.regs[0x10] = 0x00;
  memory_[0] = 1;
  memory_[1] = 2;
  chip_.lut[1][0] = chip_.lut[1][1] = chip_.lut[1][2] = 0x55;  // grey stays as it is
  chip_.lut[2][0] = 0xFF, chip_.lut[2][1] = 0, chip_.lut[2][2] = 0;
  PanelImage image = Render();
  EXPECT_EQ(At(image, 0, 0), 0x555555u);
  EXPECT_EQ(At(image, 1, 0), 0x4C4C4Cu);  // red's luminance, 77/256
}

}  // namespace
