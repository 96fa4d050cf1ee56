// The synthesizer model decodes exactly the cells the HAL clocks out on
// REG[ACh] and switches the input clocks to the frequency a word names.
#include "sim/synthesizer.h"

#include <gtest/gtest.h>

#include "sim/chip_state.h"
#include "tests/sim/board_writes.h"

namespace {

class SynthesizerTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetChip(&chip_); }
  RegisterWriter Writer() {
    return [this](uint8_t offset, uint8_t value) { ChipWriteRegister(&chip_, offset, value); };
  }
  ChipState chip_;
};

TEST_F(SynthesizerTest, TheRowOf14318KhzReachesCLKIAndCLKI2WithTheirRegisterNumbers) {
  SendSynthWord(Writer(), 0x046D0D);             // register number 0
  SendSynthWord(Writer(), 0x046D0D | 3u << 21);  // register number 3
  EXPECT_EQ(chip_.synthWords[0], 0x046D0D);
  EXPECT_EQ(chip_.synthWords[3], 0x646D0D);
  EXPECT_EQ(chip_.clkiKhz, 14318u);
  EXPECT_EQ(chip_.clki2Khz, 14318u);
}

TEST_F(SynthesizerTest, CLKI2WordsOfTheTableSetTheirFrequency) {
  SendSynthWord(Writer(), (0x77DC21 & 0x1FFFFF) | 3u << 21);  // 100 MHz row
  EXPECT_EQ(chip_.clki2Khz, 100000u);
  EXPECT_EQ(chip_.clkiKhz, 50000u) << "CLKI stays at its power-up frequency";
}

TEST_F(SynthesizerTest, OtherBitsOfTheGpioRegisterDoNotDisturbTheDecoding) {
  SendSynthWord(Writer(), 0x01A8BC, 0x9F);  // 25.175 MHz, GPIO register bits 0-4 and 7 set
  EXPECT_EQ(chip_.synthWords[0], 0x01A8BC);
  EXPECT_EQ(chip_.clkiKhz, 25175u);
}

TEST_F(SynthesizerTest, BackToBackWordsAreEachDecoded) {
  SendSynthWord(Writer(), 0x16DA0F);
  SendSynthWord(Writer(), 0x117020);
  EXPECT_EQ(chip_.synthWords[0], 0x117020);
  EXPECT_EQ(chip_.clkiKhz, 80000u);
}

TEST_F(SynthesizerTest, AWordOutsideTheTableIsKeptButLeavesTheClockAsItWas) {
  SendSynthWord(Writer(), 0x012345);
  EXPECT_EQ(chip_.synthWords[0], 0x012345);
  EXPECT_EQ(chip_.clkiKhz, 50000u);
  EXPECT_EQ(SynthWordFrequency(0x012345), 0u);
}

TEST_F(SynthesizerTest, IncompleteFramesAreIgnored) {
  SendSynthWord(Writer(), 0x046D0D, 0, 4);  // one unlock cell short
  EXPECT_EQ(chip_.synthWords[0], -1);
  // Without GPIO5/6 as outputs the lines stay high: nothing reaches the part.
  ChipWriteRegister(&chip_, 0xA8, 0x00);
  for (int i = 0; i < 200; ++i) ChipWriteRegister(&chip_, 0xAC, (i & 1) ? 0x20 : 0x40);
  EXPECT_EQ(chip_.synthWords[0], -1);
  EXPECT_EQ(chip_.clkiKhz, 50000u);
}

}  // namespace
