// The LUT writes and the default tables.
#include <gtest/gtest.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

Rgb Entry(unsigned d, bool colour, unsigned index) {
  unsigned count = 0;
  const uint8_t* t = hxDefaultLut(d, colour, &count);
  EXPECT_LT(index, count);
  return {t[index * 3], t[index * 3 + 1], t[index * 3 + 2]};
}

using LutTest = OpenedBoardTest;

}  // namespace

// An entry is red, green, blue and then its index, which stores it.
TEST_F(LutTest, EntryWritesRedGreenBlueThenAddress) {
  const uint8_t triples[] = {1, 2, 3, 4, 5, 6};
  hxWriteLut(triples, 2);
  EXPECT_EQ(
      fake_board::writes,
      (std::vector<RegisterWrite>{
          {0x0A, 1}, {0x09, 2}, {0x08, 3}, {0x0B, 0}, {0x0A, 4}, {0x09, 5}, {0x08, 6}, {0x0B, 1}}));
}

// 16 bits per pixel writes no LUT; 1 bit writes two entries, black then white.
TEST_F(LutTest, DefaultLoadWritesTwoEntriesAtOneBitAndNoneAtSixteen) {
  hxLoadDefaultLut(16);
  EXPECT_TRUE(fake_board::writes.empty());
  hxLoadDefaultLut(1);
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_WRITE_ADDR), (std::vector<uint8_t>{0, 1}));
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_RED_WRITE_DATA), (std::vector<uint8_t>{0, 255}));
}

// The panel kind in REG[10h] bit 6 picks the colour or the monochrome table.
TEST_F(LutTest, PanelKindPicksTheTable) {
  fake_board::registers[REG_PANEL_TYPE] = 0x40;
  hxLoadDefaultLut(2);
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_BLUE_WRITE_DATA), (std::vector<uint8_t>{0, 255, 0, 255}));
  fake_board::writes.clear();
  fake_board::registers[REG_PANEL_TYPE] = 0x00;
  hxLoadDefaultLut(2);
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_BLUE_WRITE_DATA), (std::vector<uint8_t>{0, 85, 170, 255}));
}

// 4-bit colour: index bit 0 blue, bit 1 green, bit 2 red, 170 below index 8
// and 255 from index 9; index 8 is black.
TEST(DefaultLuts, FourBitColourFollowsTheIndexBits) {
  for (unsigned i = 0; i < 16; ++i) {
    int level = i < 8 ? 170 : 255;
    Rgb expected = {(i & 4) ? level : 0, (i & 2) ? level : 0, (i & 1) ? level : 0};
    EXPECT_EQ(Entry(4, true, i), expected) << i;
  }
  EXPECT_EQ(Entry(4, false, 15), (Rgb{240, 240, 240}));
}

// 8-bit colour: row 0 is the 4-bit table with index 8 grey 85; the ramps use
// 137 at step 8 and the falling levels run 255 down to 0.
TEST(DefaultLuts, EightBitColourRowsAndRamps) {
  for (unsigned i = 0; i < 16; ++i) {
    if (i != 8) {
      EXPECT_EQ(Entry(8, true, i), Entry(4, true, i)) << i;
    }
  }
  EXPECT_EQ(Entry(8, true, 8), (Rgb{85, 85, 85}));
  EXPECT_EQ(Entry(8, true, 16 + 8), (Rgb{137, 137, 137}));  // grey ramp
  EXPECT_EQ(Entry(8, true, 32 + 15), (Rgb{255, 0, 0}));     // red ramp top
  EXPECT_EQ(Entry(8, true, 64 + 1), (Rgb{0, 0, 17}));       // blue ramp
  EXPECT_EQ(Entry(8, true, 96 + 0), (Rgb{0, 255, 255}));    // row 6 (0, 255, 255-L)
  EXPECT_EQ(Entry(8, true, 96 + 15), (Rgb{0, 255, 0}));
  EXPECT_EQ(Entry(8, true, 128 + 1), (Rgb{255, 239, 0}));  // row 8 (255, 255-L, 0)
  EXPECT_EQ(Entry(8, true, 160 + 7), (Rgb{137, 0, 255}));  // row 10 (255-L, 0, 255)
  EXPECT_EQ(Entry(8, true, 208 + 3), (Rgb{255, 51, 51}));  // row 13
  EXPECT_EQ(Entry(8, true, 255), (Rgb{255, 255, 255}));    // row 15 top
}

// Monochrome 8-bit entries are i x 4 as bytes, wrapping every 64 entries.
TEST(DefaultLuts, EightBitMonochromeWraps) {
  EXPECT_EQ(Entry(8, false, 63), (Rgb{252, 252, 252}));
  EXPECT_EQ(Entry(8, false, 64), (Rgb{0, 0, 0}));
  EXPECT_EQ(Entry(8, false, 255), (Rgb{252, 252, 252}));
  unsigned count = 1;
  EXPECT_EQ(hxDefaultLut(16, true, &count), nullptr);
  EXPECT_EQ(count, 0u);
}
