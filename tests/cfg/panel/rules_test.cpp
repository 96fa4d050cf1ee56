// The entry rules, their bounds and messages, the rules of leaving the page,
// the silent corrections, the video-memory check and the three timing rules.
#include "cfg/panel/rules.h"

#include "cfg/pages/preference/preference.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/timing.h"
#include "common/message.h"
#include "tests/cfg/panel/panel_fixture.h"

using RulesTest = PanelTest;
using Texts = std::vector<std::string>;

static void MakeTft(Configuration& config) {
  SetPanelType(config, kPanelTft);
}

TEST_F(RulesTest, OffStepWidthAsksAndRoundsUpOnOk) {
  recorder_.Answer(kAnswerOk);
  EntryResult result = ApplyWidthEntry(config, "250");
  EXPECT_EQ(result.outcome, kEntryCorrected);
  EXPECT_TRUE(result.showValue);
  EXPECT_EQ(result.value, 256u);
  EXPECT_EQ(GetPanelWidth(config), 256u);
  ASSERT_EQ(recorder_.Messages().size(), 1u);
  EXPECT_EQ(recorder_.Messages()[0].text,
            "The panel width will be rounded up to the closest allowable value");
  EXPECT_EQ(recorder_.Messages()[0].style, unsigned(kMsgOkCancel | kMsgIconInfo));
}

TEST_F(RulesTest, CancelledRoundingRefusesSilentlyAndKeepsPageOpen) {
  recorder_.Answer(kAnswerCancel);
  EXPECT_EQ(ApplyWidthEntry(config, "250").outcome, kEntryRefused);
  EXPECT_EQ(Reg(REG_HDP), 0x27u);
  recorder_.Answer(kAnswerCancel);
  EXPECT_FALSE(CheckPanelOnLeave(config, "240", "250"));
  EXPECT_EQ(Messages(),
            Texts(2, "The panel width will be rounded up to the closest allowable value"));
}

TEST_F(RulesTest, WidthBoundsOnTft) {
  MakeTft(config);
  EXPECT_EQ(ApplyWidthEntry(config, "1020").value, 1024u);
  EXPECT_EQ(Reg(REG_HDP), 0x7Fu);
  ClearMessages();
  for (const char* text : {"1025", "7", "320.5", "", "abc"}) {
    EXPECT_EQ(ApplyWidthEntry(config, text).outcome, kEntryRefused) << text;
  }
  EXPECT_EQ(Messages(), Texts(5, "ERROR: Panel width!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>(5, kPanelWidthField));
  EXPECT_EQ(Reg(REG_HDP), 0x7Fu);
}

TEST_F(RulesTest, AcceptedWidthUpdatesLineOffsetAndChecksMemory) {
  SetRegister(REG_DISPLAY_MODE, 0x04);  // 16 bpp
  EXPECT_EQ(ApplyWidthEntry(config, "320").outcome, kEntryAccepted);
  EXPECT_EQ(Reg(REG_MAIN_WIN_ADDR_OFFSET0), 160u);
  EXPECT_EQ(Messages(), Texts(1,
                              "Warning: Not enough installed video memory for selected "
                              "options. Memory needed: 150k, memory installed: 80k,"));
  EXPECT_EQ(recorder_.Messages()[0].style, unsigned(kMsgIconError | kMsgTaskModal));
}

TEST_F(RulesTest, VideoMemoryFitsAt8Bpp) {
  EXPECT_EQ(VideoMemoryNeeded(config), 76800u);
  EXPECT_TRUE(CheckVideoMemory(config));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RulesTest, HeightBounds) {
  EXPECT_TRUE(EntryTaken(ApplyHeightEntry(config, "1024")));
  EXPECT_EQ(Reg(REG_VDP0), 0xFFu);
  EXPECT_EQ(Reg(REG_VDP1), 0x03u);
  EXPECT_FALSE(EntryTaken(ApplyHeightEntry(config, "0")));
  EXPECT_FALSE(EntryTaken(ApplyHeightEntry(config, "1025")));
  EXPECT_EQ(GetPanelHeight(config), 1024u);
  EXPECT_EQ(Messages(), (Texts{"Warning: Not enough installed video memory for selected options. "
                               "Memory needed: 320k, memory installed: 80k,",
                               "ERROR: Panel height!", "ERROR: Panel height!"}));
}

TEST_F(RulesTest, HorizontalTotalFromMinimumTo1024) {
  EntryResult refused = ApplyHorizTotalEntry(config, "320");
  EXPECT_EQ(refused.outcome, kEntryRefused);
  EXPECT_TRUE(refused.showValue);
  EXPECT_EQ(refused.value, 328u);
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel Horizontal Total!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>(1, kPanelHorizTotalField));
  EXPECT_EQ(Reg(REG_HORIZ_TOTAL), 0x2Bu);
  EXPECT_TRUE(EntryTaken(ApplyHorizTotalEntry(config, "1024")));
  EXPECT_EQ(Reg(REG_HORIZ_TOTAL), 0x7Fu);
  EXPECT_TRUE(EntryTaken(ApplyHorizTotalEntry(config, "1020")));
  EXPECT_EQ(Reg(REG_HORIZ_TOTAL), 0x7Eu);
}

TEST_F(RulesTest, DisplayStartsAndPulsesHaveTheirFieldBounds) {
  struct Case {
    EntryResult (*rule)(Configuration&, const char*);
    const char* low;
    const char* high;
    const char* beyond;
    const char* message;
  };
  const Case cases[] = {
      {ApplyVertTotalEntry, "1", "1024", "1025", "ERROR: Panel Vertical Total!"},
      {ApplyHorizStartEntry, "22", "1023", "21", "ERROR: Panel Horizontal Start Position!"},
      {ApplyVertStartEntry, "0", "1023", "1024", "ERROR: Panel Vertical Start Position!"},
      {ApplyFplineWidthEntry, "1", "128", "129", "ERROR: TFT FPLINE Width!"},
      {ApplyFplineStartEntry, "1", "1024", "0", "ERROR: TFT FPLINE Start!"},
      {ApplyFpframeWidthEntry, "1", "8", "9", "ERROR: TFT FPFRAME Width!"},
      {ApplyFpframeStartEntry, "0", "1023", "1024", "ERROR: TFT FPFRAME Start!"},
  };
  for (const Case& c : cases) {
    ClearMessages();
    EXPECT_TRUE(EntryTaken(c.rule(config, c.low))) << c.message;
    EXPECT_TRUE(EntryTaken(c.rule(config, c.high))) << c.message;
    EXPECT_FALSE(EntryTaken(c.rule(config, c.beyond))) << c.message;
    EXPECT_EQ(Messages(), Texts(1, c.message));
  }
  EXPECT_EQ(GetVertTotal(config), 1024u);
  EXPECT_EQ(GetHorizStart(config), 1023u);
  EXPECT_EQ(GetFpframeStart(config), 1023u);
  EXPECT_EQ(GetFplineStart(config), 1024u);
}

TEST_F(RulesTest, PulseWidthsKeepTheirPolarity) {
  EXPECT_TRUE(EntryTaken(ApplyFplineWidthEntry(config, "128")));
  EXPECT_EQ(Reg(REG_HSYNC_PULSE_WIDTH), 0xFFu);  // polarity bit 7 stays set
  EXPECT_TRUE(EntryTaken(ApplyFpframeWidthEntry(config, "8")));
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x87u);
  EXPECT_FALSE(EntryTaken(ApplyFpframeWidthEntry(config, "0")));
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x87u);
}

TEST_F(RulesTest, TftHorizontalStartStartsAtFive) {
  MakeTft(config);
  EXPECT_FALSE(EntryTaken(ApplyHorizStartEntry(config, "4")));
  EXPECT_TRUE(EntryTaken(ApplyHorizStartEntry(config, "5")));
  EXPECT_EQ(Reg(REG_HDP_START_POS0), 0x00u);
  EXPECT_EQ(HorizStartForType(10, kPanelStn), 22u);
  EXPECT_EQ(HorizStartForType(2000, kPanelTft), 1023u);
}

TEST_F(RulesTest, TypeChangeMovesTheHorizontalStartIntoRange) {
  EXPECT_EQ(SelectPanelType(config, kPanelTft, 22), 22u);
  EXPECT_EQ(Reg(REG_HDP_START_POS0), 0x11u);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG1), 0x80u);
  EXPECT_EQ(Reg(REG_HSYNC_PULSE_WIDTH), 0x87u);  // polarities stay until the page is left
  EXPECT_EQ(SelectPanelType(config, kPanelStn, 10), 22u);
  EXPECT_EQ(Reg(REG_HDP_START_POS0), 0x00u);
  EXPECT_EQ(SelectPanelType(config, kPanelKVrx, 10), 10u);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG1), 0x00u);
  SetKVrxGpioBits(config);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG0), 0x40u);
  EXPECT_EQ(Reg(REG_GPIO_STATUS_CONTROL0), 0x40u);
}

TEST_F(RulesTest, FrameRateRangeIs24To75ForDefaultRecord) {
  EXPECT_TRUE(EntryTaken(ApplyFrameRateEntry(config, "24")));
  EXPECT_EQ(WorkingRecord.FrameRate, 24);
  EXPECT_TRUE(EntryTaken(ApplyFrameRateEntry(config, "75")));
  EXPECT_EQ(GetHorizTotal(config), 328u);
  EXPECT_FALSE(EntryTaken(ApplyFrameRateEntry(config, "76")));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel Frame Rate!"));
  EXPECT_EQ(WorkingRecord.FrameRate, 75);
}

TEST_F(RulesTest, PixelClockNotAmongCandidatesIsRefused) {
  WorkingRecord.ClkI = 12000;
  SetRegister(REG_PCLK_CONFIG, 0x02);
  EXPECT_FALSE(EntryTaken(ApplyPixelClockEntry(config, "12.000   (12.000/1)")));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel Pixel Clock!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>(1, kPanelPixelClockField));
  EXPECT_TRUE(EntryTaken(ApplyPixelClockEntry(config, "25.175   (25.175/1)")));
  EXPECT_EQ(WorkingRecord.ClkI, 25175u);
}

TEST_F(RulesTest, NewHeightOrWidthRecomputesTheRotatedLayout) {
  SetRotation(config, kRotation90);
  EXPECT_EQ(ApplyHeightEntry(config, "480").outcome, kEntryAccepted);
  EXPECT_EQ(StartAddress(), 119u);  // last word of a 480-line row at 8 bpp
  EXPECT_EQ(LineOffset(), 120u);
  // 120 words of 4 bytes for each of the 320 columns.
  EXPECT_EQ(Messages(), Texts(1,
                              "Warning: Not enough installed video memory for selected "
                              "options. Memory needed: 150k, memory installed: 80k,"));
  SetRotation(config, kRotation180);
  ClearMessages();
  recorder_.Answer(kAnswerOk);
  EXPECT_EQ(ApplyWidthEntry(config, "256").outcome, kEntryAccepted);
  EXPECT_EQ(StartAddress(), 256u * 480 * 8 / 32 - 1);
  EXPECT_EQ(LineOffset(), 64u);
  SetRotation(config, kRotation270);
  EXPECT_EQ(ApplyHeightEntry(config, "200").outcome, kEntryAccepted);
  EXPECT_EQ(StartAddress(), 255u * 200 * 8 / 32);
  EXPECT_EQ(LineOffset(), 50u);
}

TEST_F(RulesTest, SpinEntriesAllRunAfterARefusal) {
  SpinEntryTexts texts = {"320", "0", "22", "0", "8", "1", "1", "0"};
  uint32_t shown = 0;
  EXPECT_EQ(ApplySpinEntries(config, texts, &shown), 2);
  EXPECT_EQ(shown, 328u);
  EXPECT_EQ(Messages(), (Texts{"ERROR: Panel Horizontal Total!", "ERROR: Panel Vertical Total!"}));
}

TEST_F(RulesTest, LeavingWarnsButLeaves) {
  SetVertTotal(config, 240);
  SetRegister(REG_HORIZ_TOTAL, 0x20);
  EXPECT_TRUE(CheckPanelOnLeave(config, "240", "320"));
  EXPECT_EQ(Messages(),
            (Texts{"WARNING: The Horizontal Total is too small!",
                   "WARNING: Vertical Total should be at least 1 line larger than Vertical "
                   "Display!"}));
  EXPECT_EQ(recorder_.Messages()[0].style, unsigned(kMsgIconWarning | kMsgTaskModal));
  EXPECT_EQ(FocusedControls(), (std::vector<int>{kPanelHorizTotalField, kPanelVertTotalField}));
}

TEST_F(RulesTest, LeavingWithEmptyHeightStays) {
  EXPECT_FALSE(CheckPanelOnLeave(config, "", "320"));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel height!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPanelHeightField});
}

TEST_F(RulesTest, SilentCorrections) {
  SetRegister(REG_HORIZ_TOTAL, 0x10);
  CorrectHorizTotalOnShow(config);
  EXPECT_EQ(GetHorizTotal(config), 328u);
  SetRegister(REG_PANEL_TYPE, 0xD0);  // colour STN, 8-bit, format 2
  EXPECT_TRUE(ApplyFormat2Rule(config));
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0xD0u);
  SetRegister(REG_PANEL_TYPE, 0x90);  // mono STN 8-bit: no format 2
  EXPECT_FALSE(ApplyFormat2Rule(config));
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x10u);
  SetRegister(REG_PANEL_TYPE, 0xC0);  // colour STN 4-bit
  EXPECT_FALSE(ApplyFormat2Rule(config));
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x40u);
  SetRegister(REG_PANEL_TYPE, 0x20);  // mono STN 16-bit becomes 8-bit
  EXPECT_FALSE(Apply16BitRule(config));
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x10u);
  SetRegister(REG_PANEL_TYPE, 0x60);
  EXPECT_TRUE(Apply16BitRule(config));
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x60u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RulesTest, MemoryClockRuleDependsOnRotationAndDepth) {
  SetRegister(REG_PCLK_CONFIG, 0x03);  // PCLK = CLKI2 = 50000
  WorkingRecord.BusClk = 50000;
  SetRegister(REG_DISPLAY_MODE, 0x04);
  EXPECT_TRUE(MemoryClockRuleHolds(config));  // 0 degrees, 16 bpp: MCLK >= PCLK
  SetRegister(REG_SPECIAL_EFFECTS, 0x01);
  EXPECT_FALSE(MemoryClockRuleHolds(config));  // 90 degrees: MCLK >= 1.25 PCLK
  WorkingRecord.BusClk = 62500;
  EXPECT_TRUE(MemoryClockRuleHolds(config));
  SetRegister(REG_SPECIAL_EFFECTS, 0x00);
  WorkingRecord.BusClk = 12500;
  SetRegister(REG_DISPLAY_MODE, 0x02);
  EXPECT_TRUE(MemoryClockRuleHolds(config));  // 4 bpp: MCLK >= PCLK / 4
  WorkingRecord.BusClk = 12499;
  EXPECT_FALSE(MemoryClockRuleHolds(config));
}

TEST_F(RulesTest, TimingRulesWarnInOrder) {
  EXPECT_EQ(WarnAboutTimingRules(config), 0);
  SetRegister(REG_PCLK_CONFIG, 0x03);
  WorkingRecord.BusClk = 20000;         // MCLK 20000 < PCLK 50000 / 2
  SetRegister(REG_HDP_START_POS0, 40);  // 40 + 320 > 352
  SetRegister(REG_HORIZ_TOTAL, 0x28);   // HT 328, 8 < 8 * 50000 / 20000 = 20
  recorder_.Answer(kAnswerCancel);      // Cancel stops none of the later warnings
  EXPECT_EQ(WarnAboutTimingRules(config), 3);
  EXPECT_EQ(Messages(), (Texts{kMemoryClockRuleWarning, kDisplayPeriodRuleWarning,
                               kNonDisplayPeriodRuleWarning}));
  for (const RecordedMessage& message : recorder_.Messages())
    EXPECT_EQ(message.style, unsigned(kMsgOkCancel | kMsgIconInfo));
  EXPECT_EQ(std::string(kNonDisplayPeriodRuleWarning),
            "Warning: the following rules is violated:\n\nHorizontal Total - Horizontal Display "
            "Period > 8Mclks.\n\nBe sure to increase Horzontal Total and Save again!!\n");
}

TEST_F(RulesTest, ZeroBusClockFailsTheRulesInsteadOfDividingByZero) {
  WorkingRecord.BusClk = 0;
  EXPECT_FALSE(NonDisplayPeriodRuleHolds(config));
  EXPECT_FALSE(MemoryClockRuleHolds(config));
  EXPECT_EQ(GetMinHorizTotal(config), 320u);
  EXPECT_TRUE(EntryTaken(ApplyHorizTotalEntry(config, "320")));
}
