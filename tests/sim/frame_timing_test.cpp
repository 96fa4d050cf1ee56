// The frame clock follows the programmed clocks and totals, and every frame
// has a vertical non-display period, whatever the registers say.
#include "sim/frame_timing.h"

#include <gtest/gtest.h>

namespace {

// The clock and panel registers of the default configuration: PCLK from
// CLKI2 divided by 8, HT 352, VT 251, 240 lines.
ChipState DefaultPanelChip() {
  ChipState chip;
  ResetChip(&chip);
  chip.regs[0x04] = 0x00;
  chip.regs[0x05] = 0x43;
  chip.regs[0x12] = 0x2B;
  chip.regs[0x14] = 0x27;
  chip.regs[0x18] = 0xFA;
  chip.regs[0x1C] = 0xEF;
  return chip;
}

TEST(FrameTiming, DefaultConfigurationRunsAt6250KhzAndAbout70Hz) {
  ChipState chip = DefaultPanelChip();
  EXPECT_EQ(ChipPixelClockKhz(chip), 6250u);
  EXPECT_EQ(FrameNanoseconds(chip), 14136320u);  // 352 x 251 periods of 160 ns
}

TEST(FrameTiming, PixelClockFollowsSourceAndDivides) {
  ChipState chip = DefaultPanelChip();
  chip.clkiKhz = 40000;
  chip.clki2Khz = 14318;
  chip.regs[0x04] = 0x31;  // bus from CLKI2, MCLK = bus / 4
  chip.regs[0x05] = 0x00;  // MCLK / 1
  EXPECT_EQ(ChipPixelClockKhz(chip), 14318u / 4);
  chip.regs[0x05] = 0x11;  // bus / 2
  EXPECT_EQ(ChipPixelClockKhz(chip), 14318u / 2);
  chip.regs[0x05] = 0x22;  // CLKI / 3
  EXPECT_EQ(ChipPixelClockKhz(chip), 40000u / 3);
  chip.regs[0x05] = 0x73;  // CLKI2, divide codes 4 to 7 all divide by 8
  EXPECT_EQ(ChipPixelClockKhz(chip), 14318u / 8);
}

TEST(FrameTiming, AZeroPixelClockGivesASixtyHertzFrame) {
  ChipState chip = DefaultPanelChip();
  chip.clki2Khz = 0;
  EXPECT_EQ(ChipPixelClockKhz(chip), 0u);
  EXPECT_EQ(FrameNanoseconds(chip), 1000000000u / 60);
  EXPECT_FALSE(InVerticalNonDisplay(chip, 0));
}

TEST(FrameTiming, NoFrameLastsLongerThanASecond) {
  ChipState chip = DefaultPanelChip();
  chip.regs[0x12] = 0x7F;  // HT 1024
  chip.regs[0x18] = 0xFF;
  chip.regs[0x19] = 0x03;  // VT 1024
  chip.clki2Khz = 6000;    // PCLK 750 kHz: 1.4 s per frame as programmed
  EXPECT_EQ(FrameNanoseconds(chip), 1000000000u);
}

TEST(FrameTiming, NonDisplayPeriodIsTheLinesAfterTheDisplayPeriod) {
  ChipState chip = DefaultPanelChip();
  uint64_t frame = FrameNanoseconds(chip);
  uint64_t firstBlankLine = frame * 240 / 251 + 1;
  EXPECT_FALSE(InVerticalNonDisplay(chip, 0));
  EXPECT_FALSE(InVerticalNonDisplay(chip, firstBlankLine - 2));
  EXPECT_TRUE(InVerticalNonDisplay(chip, firstBlankLine));
  EXPECT_TRUE(InVerticalNonDisplay(chip, frame - 1));
  EXPECT_FALSE(InVerticalNonDisplay(chip, frame));  // the next frame
  EXPECT_TRUE(InVerticalNonDisplay(chip, 5 * frame + firstBlankLine));
}

TEST(FrameTiming, AVerticalTotalNotAboveTheDisplayStillLeavesOneBlankLine) {
  ChipState chip = DefaultPanelChip();
  chip.regs[0x18] = 0x10;  // VT 17 lines < 240 displayed
  EXPECT_EQ(ScannedLinesPerFrame(chip), 241u);
  uint64_t frame = FrameNanoseconds(chip);
  EXPECT_EQ(frame, uint64_t{352} * 241 * 160);
  EXPECT_TRUE(InVerticalNonDisplay(chip, frame - 1));
  EXPECT_FALSE(InVerticalNonDisplay(chip, frame * 239 / 241));
}

}  // namespace
