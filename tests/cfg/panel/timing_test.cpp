// The timing model: quantities, frame-rate and pixel-clock lists, applying a
// pixel clock, the line offset, and records whose clocks are zero.
#include "cfg/panel/timing.h"

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/panel/display_layout.h"
#include "cfg/panel/pixel_clock.h"
#include "tests/cfg/panel/panel_fixture.h"

using TimingTest = PanelTest;

TEST_F(TimingTest, DefaultRecordGivesItsKnownQuantities) {
  EXPECT_EQ(GetPixelClock(config), 6250u);
  EXPECT_EQ(GetMemoryClock(config), 50000u);
  EXPECT_EQ(GetPanelWidth(config), 320u);
  EXPECT_EQ(GetPanelHeight(config), 240u);
  EXPECT_EQ(GetHorizTotal(config), 352u);
  EXPECT_EQ(GetVertTotal(config), 251u);
  EXPECT_EQ(GetHorizStart(config), 22u);
  EXPECT_EQ(GetMinHorizTotal(config), 328u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(TimingTest, FrameRateBeyondSixteenBitsIsStoredAsTheHighestItHolds) {
  SetRegister(REG_HDP, 0);                      // W 8: the smallest total is 16
  SetRegister(REG_HORIZ_TOTAL, 1);              // HT 16
  SetRegisterPair(config, REG_VERT_TOTAL0, 0);  // VT 1: 6250 kHz / 16 = 390625 Hz
  FrameRateList list = BuildFrameRateList(config);
  ASSERT_EQ(list.selected, 0);
  EXPECT_EQ(list.texts[0], "65535");  // listed as it can be stored
  EXPECT_EQ(WorkingRecord.FrameRate, 65535);
}

TEST_F(TimingTest, MinimumTotalAlreadyOnStepIsNotRaised) {
  SetRegister(REG_PCLK_CONFIG, 0x00);  // PCLK = MCLK / 1, so X = 8
  EXPECT_EQ(GetPixelClock(config), 50000u);
  EXPECT_EQ(GetMinHorizTotal(config), 328u);
}

TEST_F(TimingTest, FrameRateListRunsFrom75To24AndSelectsCurrentTotal) {
  WorkingRecord.FrameRate = 0;
  FrameRateList list = BuildFrameRateList(config);
  ASSERT_EQ(list.texts.size(), 88u);
  EXPECT_EQ(list.texts.front(), "75");
  EXPECT_EQ(list.texts.back(), "24");
  EXPECT_EQ(list.texts[list.texts.size() - 2], "24");
  EXPECT_EQ(list.selected, 3);
  EXPECT_EQ(list.texts[3], "70");
  EXPECT_EQ(WorkingRecord.FrameRate, 70);
}

TEST_F(TimingTest, FrameRateListWithTotalOffTheListSelectsNothing) {
  SetRegister(REG_HORIZ_TOTAL, 0x20);  // 264 < minHT
  WorkingRecord.FrameRate = 55;
  FrameRateList list = BuildFrameRateList(config);
  EXPECT_EQ(list.selected, -1);
  EXPECT_EQ(WorkingRecord.FrameRate, 55);
}

TEST_F(TimingTest, FrameRateChoiceTakesSmallestTotalGivingIt) {
  uint32_t lowest = 0, highest = 0;
  GetFrameRateRange(config, &lowest, &highest);
  EXPECT_EQ(lowest, 24u);
  EXPECT_EQ(highest, 75u);
  uint32_t total = 0;
  EXPECT_TRUE(SetHorizTotalForFrameRate(config, 74, &total));
  EXPECT_EQ(total, 336u);
  EXPECT_EQ(Reg(REG_HORIZ_TOTAL), 0x29u);
  EXPECT_TRUE(SetHorizTotalForFrameRate(config, 70, &total));
  EXPECT_EQ(total, 352u);
  EXPECT_FALSE(SetHorizTotalForFrameRate(config, 76));
  EXPECT_EQ(Reg(REG_HORIZ_TOTAL), 0x2Bu);
}

TEST_F(TimingTest, PixelClockEntriesShowMegahertzWithThreeDecimals) {
  EXPECT_EQ(FormatPixelClockEntry(50000, 8), " 6.250   (50.000/8)");
  EXPECT_EQ(FormatPixelClockEntry(100000, 1), "100.000   (100.000/1)");
  EXPECT_EQ(FormatPixelClockEntry(14318, 3), " 4.772   (14.318/3)");
}

TEST_F(TimingTest, FreeSourceListHas120SortedTableEntries) {
  PixelClockList list = BuildPixelClockList(config);
  ASSERT_EQ(list.texts.size(), 120u);
  EXPECT_TRUE(std::is_sorted(list.texts.begin(), list.texts.end()));
  ASSERT_GE(list.selected, 0);
  EXPECT_EQ(list.texts[static_cast<size_t>(list.selected)], " 6.250   (50.000/8)");
  EXPECT_EQ(list.texts.front(), " 0.750   ( 6.000/8)");
}

TEST_F(TimingTest, FixedDivideOffersOnlyTheCurrentDivide) {
  WorkingRecord.Flags |= fFIXED_DIVPCLK;
  PixelClockList list = BuildPixelClockList(config);
  ASSERT_EQ(list.texts.size(), 24u);
  for (const std::string& text : list.texts) EXPECT_NE(text.find("/8)"), std::string::npos);
}

TEST_F(TimingTest, FixedSourceOffersOneEntryPerDivide) {
  config.FixedClkI2 = 50000;
  PixelClockList list = BuildPixelClockList(config);
  std::vector<std::string> expected = {" 6.250   (50.000/8)", "12.500   (50.000/4)",
                                       "16.666   (50.000/3)", "25.000   (50.000/2)",
                                       "50.000   (50.000/1)"};
  EXPECT_EQ(list.texts, expected);
  EXPECT_EQ(list.selected, 0);
}

TEST_F(TimingTest, CurrentClockOffTheTableIsListedButNotFound) {
  WorkingRecord.ClkI = 12000;
  SetRegister(REG_PCLK_CONFIG, 0x02);  // CLKI, divide 1
  PixelClockList list = BuildPixelClockList(config);
  ASSERT_EQ(list.texts.size(), 121u);
  EXPECT_EQ(list.texts[static_cast<size_t>(list.selected)], "12.000   (12.000/1)");
  uint32_t source = 0, divide = 0;
  EXPECT_FALSE(FindPixelClockChoice(config, "12.000   (12.000/1)", &source, &divide));
  EXPECT_TRUE(FindPixelClockChoice(config, " 4.772   (14.318/3)", &source, &divide));
  EXPECT_EQ(source, 14318u);
  EXPECT_EQ(divide, 3u);
}

TEST_F(TimingTest, BusClockChoiceKeepsTheBusDivide) {
  SetRegister(REG_PCLK_CONFIG, 0x41);  // BCLK, divide 8
  WorkingRecord.ClkI = 50000;
  WorkingRecord.BusClk = 25000;
  uint32_t source = 0, divide = 0;
  ASSERT_TRUE(FindPixelClockChoice(config, "20.000   (20.000/1)", &source, &divide));
  ApplyPixelClockChoice(config, source, divide);
  EXPECT_EQ(WorkingRecord.BusClk, 20000u);
  EXPECT_EQ(WorkingRecord.ClkI, 40000u);
  EXPECT_EQ(Reg(REG_PCLK_CONFIG), 0x01u);
}

TEST_F(TimingTest, MemoryClockSourceStoresSourceTimesMemoryDivide) {
  SetRegister(REG_BUSCLK_MEMCLK_CONFIG, 0x20);  // mdiv 3, bus from CLKI
  SetRegister(REG_PCLK_CONFIG, 0x00);           // MCLK, divide 1
  config.FixedClkI = 50000;
  config.FixedBusClk = 50000;
  PixelClockList list = BuildPixelClockList(config);
  ASSERT_EQ(list.texts.size(), 5u);
  EXPECT_EQ(list.texts[static_cast<size_t>(list.selected)], "16.666   (16.666/1)");
  uint32_t source = 0, divide = 0;
  ASSERT_TRUE(FindPixelClockChoice(config, " 8.333   (16.666/2)", &source, &divide));
  ApplyPixelClockChoice(config, source, divide);
  EXPECT_EQ(WorkingRecord.BusClk, 49998u);
  EXPECT_EQ(WorkingRecord.ClkI, 49998u);
  EXPECT_EQ(Reg(REG_PCLK_CONFIG) & 0x70, 0x10u);
}

TEST_F(TimingTest, BusClockFromClki2FollowsTheChoice) {
  SetRegister(REG_BUSCLK_MEMCLK_CONFIG, 0x01);
  SetRegister(REG_PCLK_CONFIG, 0x41);
  ApplyPixelClockChoice(config, 40000, 8);
  EXPECT_EQ(WorkingRecord.ClkI2, 40000u);
  EXPECT_EQ(WorkingRecord.BusClk, 40000u);
  EXPECT_EQ(WorkingRecord.ClkI, 50000u);
  EXPECT_EQ(Reg(REG_PCLK_CONFIG), 0x41u);
}

TEST_F(TimingTest, LineOffsetRoundsUpBelow8BppAndTruncatesFrom8) {
  SetRegister(REG_SPECIAL_EFFECTS, 0x01);  // 90 degrees: the line is H long
  SetPanelHeight(config, 100);
  SetRegister(REG_DISPLAY_MODE, 0x00);
  UpdateLineOffset(config);
  EXPECT_EQ(Reg(REG_MAIN_WIN_ADDR_OFFSET0), 4u);
  SetRegister(REG_DISPLAY_MODE, 0x03);
  UpdateLineOffset(config);
  EXPECT_EQ(Reg(REG_MAIN_WIN_ADDR_OFFSET0), 25u);
  SetRegister(REG_SPECIAL_EFFECTS, 0x00);
  SetPanelWidth(config, 1024);
  SetRegister(REG_DISPLAY_MODE, 0x04);
  UpdateLineOffset(config);
  EXPECT_EQ(Reg(REG_MAIN_WIN_ADDR_OFFSET0), 0x00u);
  EXPECT_EQ(Reg(REG_MAIN_WIN_ADDR_OFFSET1), 0x02u);
}

TEST_F(TimingTest, ZeroClocksGiveZeroQuantitiesWithoutCrashing) {
  WorkingRecord.ClkI = 0;
  WorkingRecord.ClkI2 = 0;
  WorkingRecord.BusClk = 0;
  config.FixedBusClk = 0;
  EXPECT_EQ(GetMemoryClock(config), 0u);
  EXPECT_EQ(GetPixelClock(config), 0u);
  EXPECT_EQ(GetMinHorizTotal(config), 320u);
  EXPECT_EQ(FrameRateAt(config, 352), 0u);
  FrameRateList rates = BuildFrameRateList(config);
  EXPECT_EQ(rates.texts.front(), "0");
  EXPECT_FALSE(BuildPixelClockList(config).texts.empty());
  SetRegister(REG_PCLK_CONFIG, 0x41);  // BCLK: the bus divide of a 0 bus clock
  ApplyPixelClockChoice(config, 20000, 1);
  EXPECT_EQ(WorkingRecord.BusClk, 20000u);
  EXPECT_EQ(WorkingRecord.ClkI, 20000u);
}

TEST_F(TimingTest, WorkingValuesAreTakenFromTheRecord) {
  config.FixedClkI = 1234;
  config.FixedClkI2 = 5678;
  WorkingRecord.Flags = fVALID_LCD | fFIXED_CLKI2;
  WorkingRecord.ClkI2 = 25175;
  WorkingRecord.BusClk = 33000;
  TakeClockWorkingValuesFromRecord(config);
  EXPECT_EQ(config.FixedClkI, 0u);
  EXPECT_EQ(config.FixedClkI2, 25175u);
  EXPECT_EQ(config.FixedBusClk, 33000u);
  WorkingRecord.Flags = fFIXED_CLKI;
  TakeClockWorkingValuesFromRecord(config);
  EXPECT_EQ(config.FixedClkI, 50000u);
  EXPECT_EQ(config.FixedClkI2, 0u);
}

TEST_F(TimingTest, ButtonSettersWriteOnlyTheirPanelTypeField) {
  SetRegister(REG_PANEL_TYPE, 0x02);  // HR-TFT, mono, 4-bit
  SetColorPanel(config, true);
  SetDataWidthCode(config, 2);
  SetLargeActiveResolution(config, true);
  SetFormat2(config, true);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0xEAu);
  SetDataWidthCode(config, 1);
  SetFormat2(config, false);
  SetLargeActiveResolution(config, false);
  SetColorPanel(config, false);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x12u);
}
