#include "cfg/export/panel_summary.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"
#include "tests/cfg/export/export_test_support.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

namespace {
class PanelSummaryTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  void TearDown() override { ResetRecords(); }
  MessageRecorder messages;
};
}  // namespace

TEST_F(PanelSummaryTest, DefaultRecord) {
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz) ");
  EXPECT_TRUE(messages.Messages().empty());
}

// HR-TFT and K-VRX print the size of their active-resolution bit.
TEST_F(PanelSummaryTest, HrTftAndKVrxPrintFixedSizes) {
  SetRegister(0x14, 0x4F);  // 640 wide in the timing registers
  SetRegister(0x10, 0x0A);
  EXPECT_EQ(PanelSummary(config), "Panel: 320x240x8bpp 70Hz Mono HR-TFT 9-bit (PCLK=6.250MHz) ");
  SetRegister(0x10, 0x02);
  EXPECT_EQ(PanelSummary(config), "Panel: 160x160x8bpp 70Hz Mono HR-TFT 9-bit (PCLK=6.250MHz) ");
  SetRegister(0x10, 0x03);
  EXPECT_EQ(PanelSummary(config), "Panel: 160x240x8bpp 70Hz Mono K-VRX 9-bit (PCLK=6.250MHz) ");
  SetRegister(0x10, 0x0B);
  EXPECT_EQ(PanelSummary(config), "Panel: 320x240x8bpp 70Hz Mono K-VRX 9-bit (PCLK=6.250MHz) ");
}

// Width codes 2 and 3 are the widest interface; bit 7 adds the format text.
TEST_F(PanelSummaryTest, DataWidthFormatAndDepth) {
  SetRegister(0x10, 0xF1);  // TFT, width code 3, colour, format 2
  SetRegister(0x70, 0x06);  // depth codes above 4 read as 16 bits
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x16bpp 70Hz Color TFT 18-bit (PCLK=6.250MHz) (Format 2)");
  SetRegister(0x10, 0x20);  // STN, width code 2
  SetRegister(0x70, 0x00);
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x1bpp 70Hz Mono Single STN 16-bit (PCLK=6.250MHz) ");
}

TEST_F(PanelSummaryTest, PixelClockThousandthsArePadded) {
  WorkingRecord.ClkI2 = 14318;
  WorkingRecord.FrameRate = 60;
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x8bpp 60Hz Color Single STN 4-bit (PCLK=1.789MHz) ");
  SetRegister(0x05, 0x03);  // divide 1
  WorkingRecord.ClkI2 = 50007;
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x8bpp 60Hz Color Single STN 4-bit (PCLK=50.007MHz) ");
}

// An absent register is reported once and read as 0.
TEST_F(PanelSummaryTest, MissingPanelTypeIsReportedOnceAndReadsZero) {
  UseSmallRecord(config);
  WorkingRecord.Regs[2].Index = 0x11;  // REG[10h] replaced
  EXPECT_EQ(PanelSummary(config),
            "Panel: 320x240x8bpp 70Hz Mono Single STN 4-bit (PCLK=6.250MHz) ");
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid register requested: 10h"});
}
