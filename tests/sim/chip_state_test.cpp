// Register semantics of the modelled chip: identification, read-back, LUT and
// GCP access, the read-only status bit.
#include "sim/chip_state.h"

#include <gtest/gtest.h>

namespace {

class ChipStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetChip(&chip_); }
  uint8_t Read(uint8_t offset, bool nonDisplay = false) {
    return ChipReadRegister(chip_, offset, nonDisplay);
  }
  void Write(uint8_t offset, uint8_t value) { ChipWriteRegister(&chip_, offset, value); }
  ChipState chip_;
};

TEST_F(ChipStateTest, IdentificationRegistersAreFixedAndIgnoreWrites) {
  Write(0x00, 0xFF);
  Write(0x01, 0xFF);
  Write(0x02, 0xFF);
  EXPECT_EQ(Read(0x00) & 0xFC, 0x28);
  EXPECT_EQ(Read(0x00) & 0x03, kChipRevision);
  EXPECT_EQ(Read(0x01), kChipBufferSizeCode);
  EXPECT_EQ(Read(0x02), kChipConfigReadback);
}

TEST_F(ChipStateTest, PlainRegistersReadBackWhatWasWritten) {
  for (int offset = 0x03; offset < 0x100; ++offset) {
    if (offset == 0x0B || offset == 0x0F || offset == 0x2C || offset == 0xA0) continue;
    Write(static_cast<uint8_t>(offset), static_cast<uint8_t>(offset ^ 0x5A));
    EXPECT_EQ(Read(static_cast<uint8_t>(offset)), offset ^ 0x5A) << "REG[" << offset << "]";
  }
}

TEST_F(ChipStateTest, WritingTheLutAddressStoresRedGreenBlueAndReadingLoadsThem) {
  Write(0x0A, 0x12);  // red
  Write(0x09, 0x34);  // green
  Write(0x08, 0x56);  // blue
  Write(0x0B, 200);
  EXPECT_EQ(chip_.lut[200][0], 0x12);
  EXPECT_EQ(chip_.lut[200][1], 0x34);
  EXPECT_EQ(chip_.lut[200][2], 0x56);
  Write(0x0F, 200);
  EXPECT_EQ(Read(0x0E), 0x12);
  EXPECT_EQ(Read(0x0D), 0x34);
  EXPECT_EQ(Read(0x0C), 0x56);
  Write(0x0F, 199);  // an entry never written reads as zero
  EXPECT_EQ(Read(0x0E), 0);
  EXPECT_EQ(Read(0x0D), 0);
  EXPECT_EQ(Read(0x0C), 0);
}

TEST_F(ChipStateTest, GcpTableHoldsThirtyTwoBytesByIndex) {
  for (int i = 0; i < 32; ++i) {
    Write(0x28, static_cast<uint8_t>(i));
    Write(0x2C, static_cast<uint8_t>(0xC0 + i));
  }
  for (int i = 0; i < 32; ++i) {
    Write(0x28, static_cast<uint8_t>(i));
    EXPECT_EQ(Read(0x2C), 0xC0 + i);
    EXPECT_EQ(chip_.gcp[i], 0xC0 + i);
  }
}

TEST_F(ChipStateTest, PowerSaveRegisterKeepsBit0AndReportsTheVerticalStatusInBit7) {
  Write(0xA0, 0x81);
  EXPECT_EQ(Read(0xA0, false), 0x01);
  EXPECT_EQ(Read(0xA0, true), 0x81);
  Write(0xA0, 0x00);
  EXPECT_EQ(Read(0xA0, true), 0x80);
}

TEST_F(ChipStateTest, DepthCodesFiveToSevenScanAsEightBits) {
  const uint32_t expected[8] = {1, 2, 4, 8, 16, 8, 8, 8};
  for (uint8_t code = 0; code < 8; ++code) {
    Write(0x70, static_cast<uint8_t>(0x80 | code));
    EXPECT_EQ(ChipColorDepth(chip_), expected[code]) << "code " << int(code);
  }
}

}  // namespace
