// Clock tables, the synthesizer's serial protocol and the clock check.
#include <gtest/gtest.h>
#include <string.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

using ClockTest = OpenedBoardTest;

// What a receiver sees in the REG[ACh] writes of one synthesizer word.
struct SynthFrame {
  bool wellFormed = false;
  uint32_t word = 0;
  uint8_t finalValue = 0;
};

// Cells are four writes (clock high, low, low, high); the data line of the
// second and third write are the cell's halves. The frame is one idle write,
// five (1,1) cells, two (0,0) cells, 24 data cells, one (1,1) cell, and the
// final state.
SynthFrame DecodeSynth(const std::vector<uint8_t>& w, uint8_t shadow) {
  SynthFrame frame;
  const size_t cells = 5 + 2 + 24 + 1;
  if (w.size() != 1 + cells * 4 + 1) return frame;
  if (w[0] != (shadow | 0x60)) return frame;
  for (size_t c = 0; c < cells; ++c) {
    const uint8_t* cell = &w[1 + c * 4];
    for (int i = 0; i < 4; ++i) {
      if ((cell[i] & 0x9F) != shadow) return frame;
    }
    bool clockOk = (cell[0] & 0x20) && !(cell[1] & 0x20) && !(cell[2] & 0x20) && (cell[3] & 0x20);
    if (!clockOk || (cell[0] & 0x40) != (cell[1] & 0x40) || (cell[2] & 0x40) != (cell[3] & 0x40)) {
      return frame;
    }
    bool d1 = cell[1] & 0x40, d2 = cell[2] & 0x40;
    if (c < 5 || c == cells - 1) {
      if (!d1 || !d2) return frame;
    } else if (c < 7) {
      if (d1 || d2) return frame;
    } else {
      if (d1 == d2) return frame;
      if (d2) frame.word |= 1u << (c - 7);
    }
  }
  frame.finalValue = w.back();
  frame.wellFormed = true;
  return frame;
}

}  // namespace

// Both tables have 24 rows with the same labels and frequencies.
TEST(ClockTables, BothTablesShareLabelsAndFrequencies) {
  for (int i = 0; i < kClockRowCount; ++i) {
    EXPECT_STREQ(kClkITable[i].label, kClkI2Table[i].label) << i;
    EXPECT_EQ(kClkITable[i].kHz, kClkI2Table[i].kHz) << i;
  }
  EXPECT_STREQ(kClkITable[23].label, "100.000");
  EXPECT_EQ(kClkITable[2].kHz, 14318u);
  EXPECT_EQ(hxFindClock(kClkITable, 25175)->word, 0x01A8BCu);
  EXPECT_EQ(hxFindClock(kClkI2Table, 25175)->word, 0x60C09Bu);
  EXPECT_EQ(hxFindClock(kClkITable, 25176), nullptr);
}

// 14318 kHz: both rows hold 0x046D0D; only the register number in bits
// 21..23 differs on the wire.
TEST_F(ClockTest, Clock14318SendsTheSameWordWithTwoRegisterNumbers) {
  record_.ClkI = 14318;
  record_.ClkI2 = 14318;
  fake_board::registers[REG_GPIO_STATUS_CONTROL0] = 0xFF;  // shadow keeps 0x9F
  EXPECT_EQ(hxProgramClocks(), kHalOk);
  std::vector<uint8_t> lines = fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0);
  ASSERT_EQ(lines.size(), 2u * 130);
  SynthFrame clki = DecodeSynth(std::vector<uint8_t>(lines.begin(), lines.begin() + 130), 0x9F);
  ASSERT_TRUE(clki.wellFormed);
  EXPECT_EQ(clki.word, 0x046D0Du);
  EXPECT_EQ(clki.finalValue, 0x9F);
  // The second word starts from the line state the first one left.
  SynthFrame clki2 = DecodeSynth(std::vector<uint8_t>(lines.begin() + 130, lines.end()), 0x9F);
  ASSERT_TRUE(clki2.wellFormed);
  EXPECT_EQ(clki2.word, 0x646D0Du);
  // Both GPIO lines are made outputs.
  EXPECT_EQ(fake_board::registers[REG_GPIO_CONFIG0] & 0x60, 0x60);
}

// The opening of a cell sequence, write by write, for a word whose bit 0 is 1.
TEST_F(ClockTest, FirstWritesFollowTheCellPattern) {
  fake_board::registers[REG_GPIO_STATUS_CONTROL0] = 0x01;
  EXPECT_EQ(hxWriteSynth(0x000001, 0), 0);
  std::vector<uint8_t> w = fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0);
  ASSERT_EQ(w.size(), 130u);
  EXPECT_EQ(std::vector<uint8_t>(w.begin(), w.begin() + 5),
            (std::vector<uint8_t>{0x61, 0x61, 0x41, 0x41, 0x61}));
  // Cells 6 and 7 are (0,0); the first data cell (bit 0 = 1) is (0,1).
  EXPECT_EQ(std::vector<uint8_t>(w.begin() + 21, w.begin() + 33),
            (std::vector<uint8_t>{0x21, 0x01, 0x01, 0x21, 0x21, 0x01, 0x01, 0x21, 0x21, 0x01, 0x41,
                                  0x61}));
  // The second data cell (bit 1 = 0) is (1,0).
  EXPECT_EQ(std::vector<uint8_t>(w.begin() + 33, w.begin() + 37),
            (std::vector<uint8_t>{0x61, 0x41, 0x01, 0x21}));
  EXPECT_EQ(w.back(), 0x01);
}

// The final line state per selection; an unknown selection leaves the lines
// after the last cell and reports 1.
TEST_F(ClockTest, FinalStateFollowsTheSelection) {
  const unsigned selections[] = {1, 2, 7, 3};
  const uint8_t finals[] = {0x20, 0x60, 0x40, 0x60};
  for (int i = 0; i < 4; ++i) {
    fake_board::writes.clear();
    fake_board::registers[REG_GPIO_STATUS_CONTROL0] = 0;
    EXPECT_EQ(hxWriteSynth(0x123456, selections[i]), selections[i] == 3 ? 1 : 0);
    std::vector<uint8_t> w = fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0);
    EXPECT_EQ(w.size(), selections[i] == 3 ? 129u : 130u);
    EXPECT_EQ(w.back(), finals[i]) << "selection " << selections[i];
  }
}

// A missing CLKI gives 8 but CLKI2 is still sent; a missing CLKI2 gives 9
// whatever CLKI gave.
TEST_F(ClockTest, MissingFrequenciesGiveEightOrNine) {
  record_.ClkI = 12345;
  record_.ClkI2 = 25000;
  EXPECT_EQ(hxProgramClocks(), kHalClkINotInTable);
  std::vector<uint8_t> lines = fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0);
  ASSERT_EQ(lines.size(), 130u);
  EXPECT_EQ(DecodeSynth(lines, 0).word, 0x61C8C1u);

  fake_board::writes.clear();
  record_.ClkI2 = 1;
  EXPECT_EQ(hxProgramClocks(), kHalClkI2NotInTable);
  EXPECT_TRUE(fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0).empty());

  record_.ClkI = 6000;
  EXPECT_EQ(hxProgramClocks(), kHalClkI2NotInTable);
}

// MCLK = BusClk / (REG[04h] bits 5..4 + 1); PCLK from REG[05h]'s source and
// divider; landscape scales MCLK by 32/d/2, rotation 90/270 ignores depth.
TEST_F(ClockTest, CheckComparesMemoryAndPixelClocks) {
  record_.BusClk = 40000;
  record_.ClkI = 25000;
  record_.ClkI2 = 65000;
  fake_board::registers[REG_BUSCLK_MEMCLK_CONFIG] = 0x10;  // MCLK 20000
  fake_board::registers[REG_PCLK_CONFIG] = 0x02;           // ClkI / 1 = 25000
  EXPECT_EQ(hxCheckClocks(16, 0), kHalClocksTooSlow);      // 20000 < 25000
  EXPECT_EQ(hxCheckClocks(8, 0), kHalOk);                  // 40000
  EXPECT_EQ(hxCheckClocks(1, 1), kHalClocksTooSlow);       // 20000 < 50000
  fake_board::registers[REG_PCLK_CONFIG] = 0x12;           // ClkI / 2 = 12500
  EXPECT_EQ(hxCheckClocks(16, 0), kHalOk);
  EXPECT_EQ(hxCheckClocks(16, 3), kHalClocksTooSlow);  // 20000 < 25000
  fake_board::registers[REG_PCLK_CONFIG] = 0x43;       // ClkI2 / 8 = 8125
  EXPECT_EQ(hxCheckClocks(16, 1), kHalOk);             // 20000 >= 16250
  fake_board::registers[REG_PCLK_CONFIG] = 0x71;       // BusClk / 8 = 5000
  EXPECT_EQ(hxCheckClocks(16, 0), kHalOk);
  fake_board::registers[REG_PCLK_CONFIG] = 0x30;  // MCLK / 4 = 5000
  EXPECT_EQ(hxCheckClocks(16, 1), kHalOk);        // 20000 >= 10000
  fake_board::registers[REG_PCLK_CONFIG] = 0x10;  // MCLK / 2 = 10000
  EXPECT_EQ(hxCheckClocks(16, 1), kHalOk);        // equality passes
  fake_board::registers[REG_PCLK_CONFIG] = 0x00;  // MCLK / 1
  EXPECT_EQ(hxCheckClocks(2, 1), kHalClocksTooSlow);
  EXPECT_EQ(hxCheckClocks(2, 2), kHalOk);
  EXPECT_TRUE(fake_board::writes.empty());
}
