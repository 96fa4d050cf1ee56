// Qualification, comparison, the search for a matching panel and applying a
// chosen panel, including every panel of the shipped PANELS.DEF.
#include "cfg/panel/matching.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <utility>

#include "cfg/pages/panel/panel_page.h"
#include "cfg/pages/preference/preference.h"
#include "cfg/panel/clocks.h"
#include "cfg/panel/rules.h"
#include "tests/cfg/panel/panel_fixture.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

// Records what the matching asks the page to show.
struct RecordingView : PanelPageView {
  void SetStatusLine(bool red, const std::string& text) override {
    statuses.push_back({red, text});
  }
  void SetPredefinedPanelEntries(const std::vector<std::string>& list) override { entries = list; }
  void SelectPredefinedPanel(int index) override { selected = index; }
  void ShowPixelClockList(const PixelClockList& list) override { clocks = list; }
  void ShowFrameRateList(const FrameRateList& list) override { rates = list; }
  void ShowPanelSettings(const PanelPageFill& shown) override {
    fill = shown;
    ++refills;
  }

  std::vector<std::pair<bool, std::string>> statuses;
  std::vector<std::string> entries;
  int selected = -2;
  int refills = 0;
  PanelPageFill fill = {};
  PixelClockList clocks;
  FrameRateList rates;
};

class MatchingTest : public PanelTest {
 protected:
  // A list read from text written as PANELS.DEF (or DEBUG.DEF).
  PanelList Load(const std::string& text, bool debug = false,
                 PanelQualifier qualifier = QualifyPanel) {
    WriteFileBytes(dir_.File(debug ? "DEBUG.DEF" : "PANELS.DEF"), text);
    return PanelList(qualifier, dir_.Path());
  }
  TempDir dir_;
  RecordingView view_;
};

static const char kTft640[] =
    "PANEL \"TFT 640x480\" TFT 640 480 F 18 F n T F 25175 800 144 525 35 1 96 L 0 2 L F 160 45\n";
static const char kDefaultStn[] =
    "PANEL \"STN 320x240\" STN 320 240 F 4 F 1 T F 6250 352 22 251 0 1 8 L 0 1 L F 32 11\n";

static PanelRecord Candidate(int32_t type, int32_t width, int32_t height) {
  PanelRecord r;
  r.SetType(type);
  r.SetWidth(width);
  r.SetHeight(height);
  r.SetPixelClock(6250);
  r.SetHorizTotal(800);
  r.SetHorizStart(22);
  r.SetVertTotal(525);
  r.SetFplineStart(1);
  r.SetFplineWidth(8);
  r.SetFpframeWidth(1);
  return r;
}

TEST_F(MatchingTest, QualificationReasons) {
  std::string reason;
  EXPECT_FALSE(QualifyPanel(Candidate(kPanelRecordTft, 640, 480), &reason));
  EXPECT_TRUE(QualifyPanel(Candidate(kPanelRecordTft, 1024, 768), &reason));
  EXPECT_EQ(reason, "**Disqualified: >80K.");
  PanelRecord noClock = Candidate(kPanelRecordTft, 1024, 768);
  noClock.SetPixelClock(0);
  noClock.SetEl(1);
  EXPECT_TRUE(QualifyPanel(noClock, &reason));
  EXPECT_EQ(reason, "**Disqualified: No info on this panel in DEBUG.DEF.");
  PanelRecord flags = Candidate(kPanelRecordTft, 640, 480);
  flags.SetEl(1);
  flags.SetDouble(1);
  flags.SetDual(1);
  EXPECT_TRUE(QualifyPanel(flags, &reason));
  EXPECT_EQ(reason, "**Disqualified: EL; TFT 2x; Dual.");
  flags.SetWidth(1024);
  flags.SetHeight(768);
  flags.SetDouble(0);
  flags.SetDual(0);
  EXPECT_TRUE(QualifyPanel(flags, &reason));
  EXPECT_EQ(reason, "**Disqualified: >80K; EL.");
  EXPECT_TRUE(QualifyPanel(Candidate(kFieldUnknown, 640, 480), &reason));
  EXPECT_EQ(reason, "**Disqualified: Unknown panel type.");
}

TEST_F(MatchingTest, FieldsNoRegisterCanHoldAreRejected) {
  std::string reason;
  PanelRecord panel = Candidate(kPanelRecordTft, 320, 240);
  panel.SetHorizTotal(1024);
  panel.SetHorizStart(5);
  panel.SetVertTotal(1024);
  panel.SetFplineStart(1024);
  panel.SetFplineWidth(128);
  panel.SetFpframeWidth(8);
  panel.SetFpframeStart(1023);
  EXPECT_FALSE(QualifyPanel(panel, &reason)) << reason;
  PanelRecord extreme = panel;
  extreme.SetHeight(INT32_MIN);
  extreme.SetHorizStart(4);  // below the TFT offset 5
  extreme.SetVertStart(1024);
  extreme.SetFplineStart(INT32_MAX);
  extreme.SetFpframeWidth(9);
  extreme.SetPixelClock(-1);
  EXPECT_TRUE(QualifyPanel(extreme, &reason));
  EXPECT_EQ(reason,
            "**Disqualified: H out of range; HSTART out of range; VSTART out of range; FPLINE "
            "start out of range; FPFRAME width out of range; PCLK out of range.");
  extreme = panel;
  extreme.SetVertTotal(INT32_MIN);
  extreme.SetFplineWidth(0);
  extreme.SetFpframeStart(-1);
  extreme.SetHorizTotal(7);
  EXPECT_TRUE(QualifyPanel(extreme, &reason));
  EXPECT_EQ(reason,
            "**Disqualified: HTOTAL out of range; VTOTAL out of range; FPLINE width out of range; "
            "FPFRAME start out of range.");
  // A panel rejected for the document's reasons keeps just those.
  extreme.SetEl(1);
  EXPECT_TRUE(QualifyPanel(extreme, &reason));
  EXPECT_EQ(reason, "**Disqualified: EL.");
}

TEST_F(MatchingTest, ExtremeFieldsAreNeverWrittenEvenFromAnUnqualifiedList) {
  PanelList list = Load(
      "PANEL \"huge\" TFT 2147483647 -2147483648 F 18 F n T F 25175 -2147483648 -2147483648 "
      "-2147483648 2147483647 -2147483648 -2147483648 L 2147483647 -2147483648 L F 0 0\n",
      false, nullptr);
  ASSERT_EQ(list.Count(), 1);
  HAL_STRUCT before = WorkingRecord;
  EXPECT_FALSE(ApplyPredefinedPanel(config, list, 0, view_));
  ASSERT_EQ(view_.statuses.size(), 1u);
  EXPECT_TRUE(view_.statuses[0].first);
  EXPECT_EQ(view_.statuses[0].second.rfind("**Disqualified: W out of range; H out of range;", 0),
            0u);
  EXPECT_EQ(memcmp(&before, &WorkingRecord, sizeof before), 0);
}

TEST_F(MatchingTest, NegativeFieldsAreWild) {
  PanelRecord current = CurrentPanelRecord(config);
  PanelRecord c = current;
  c.SetHorizTotal(-1);
  c.SetHorizTotal(-1);
  EXPECT_TRUE(MatchesPanel(c, current));
  c.SetHorizTotal(400);
  current.SetHorizTotal(408);
  EXPECT_FALSE(MatchesPanel(c, current));
  c.SetHorizTotal(kFieldNotApplicable);
  c.SetPixelClock(6251);
  EXPECT_FALSE(MatchesPanel(c, current));  // the pixel clock is never wild
}

TEST_F(MatchingTest, StnIgnoresPulsesButNotHighPolarity) {
  PanelRecord current = CurrentPanelRecord(config);
  PanelRecord c = current;
  c.SetFplineStart(99);
  c.SetFplineWidth(99);
  c.SetFpframeStart(99);
  c.SetFpframeWidth(7);
  EXPECT_TRUE(MatchesPanel(c, current));
  c.SetFplinePolarity(0);
  EXPECT_TRUE(MatchesPanel(c, current));
  c.SetFplinePolarity(1);  // the registers say high, the current STN says 0
  EXPECT_EQ(current.FplinePolarity(), 0);
  EXPECT_FALSE(MatchesPanel(c, current));
}

TEST_F(MatchingTest, TftNeedsEqualPulses) {
  SetPanelType(config, kPanelTft);
  PanelRecord current = CurrentPanelRecord(config);
  EXPECT_EQ(current.DataWidth(), 9);
  PanelRecord c = current;
  EXPECT_TRUE(MatchesPanel(c, current));
  c.SetFplineStart(current.FplineStart() - current.Width() - current.HorizStart());
  EXPECT_TRUE(MatchesPanel(c, current));
  c.SetFplineStart(current.FplineStart() + 1);
  EXPECT_FALSE(MatchesPanel(c, current));
  c = current;
  c.SetFpframeWidth(current.FpframeWidth() + 1);
  EXPECT_FALSE(MatchesPanel(c, current));
}

TEST_F(MatchingTest, HrTftComparesDataWidthAsSixteen) {
  SetRegister(REG_PANEL_TYPE, 0x62);  // HR-TFT, colour, code 2, 160x160
  PanelRecord current = CurrentPanelRecord(config);
  EXPECT_EQ(current.Type(), kPanelRecordHrTft);
  EXPECT_EQ(current.Width(), 160);
  EXPECT_EQ(current.Height(), 160);
  EXPECT_EQ(current.DataWidth(), 16);
  PanelRecord c = current;
  c.SetDataWidth(18);
  EXPECT_FALSE(MatchesPanel(c, current));
  c.SetDataWidth(16);
  EXPECT_TRUE(MatchesPanel(c, current));
}

TEST_F(MatchingTest, ApplyWritesEveryRegisterOfThePanel) {
  PanelList list = Load(kTft640);
  ASSERT_TRUE(ApplyPredefinedPanel(config, list, 0, view_));
  const std::pair<unsigned, unsigned> expected[] = {
      {0x1C, 0xDF}, {0x1D, 0x01}, {0x14, 0x4F}, {0x10, 0x61}, {0x12, 0x63},
      {0x16, 0x8B}, {0x17, 0x00}, {0x18, 0x0C}, {0x19, 0x02}, {0x1E, 0x23},
      {0x1F, 0x00}, {0x20, 0x5F}, {0x22, 0x00}, {0x23, 0x00}, {0x24, 0x01},
      {0x26, 0x00}, {0x27, 0x00}, {0xA9, 0x80}, {0x05, 0x03}};
  for (const auto& reg : expected) EXPECT_EQ(Reg(reg.first), reg.second) << std::hex << reg.first;
  EXPECT_EQ(WorkingRecord.ClkI2, 25175u);
  EXPECT_EQ(GetPixelClock(config), 25175u);
  EXPECT_EQ(view_.statuses, (std::vector<std::pair<bool, std::string>>{{false, ""}}));
  EXPECT_EQ(view_.refills, 1);
  EXPECT_EQ(view_.selected, 0);
  EXPECT_EQ(view_.clocks.texts[static_cast<size_t>(view_.clocks.selected)], "25.175   (25.175/1)");
  EXPECT_EQ(WorkingRecord.FrameRate, 59);
  EXPECT_EQ(config.PanelMatching.matchedIndex, 0);
  EXPECT_TRUE(config.PanelMatching.matchingEnabled);
  EXPECT_FALSE(config.PanelMatching.rematchPending);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatchingTest, ApplyWritesTenBitTotalsAndFieldEdges) {
  PanelList list = Load(
      "PANEL \"a\" HR-TFT 320 240 F 16 F n T F 6250 400 20 256 2 1 2 H 0 8 L F 0 0\n"
      "PANEL \"b\" HR-TFT 160 160 F 16 F n T F 6250 400 20 1024 2 1 2 H 0 8 H F 0 0\n");
  ApplyPredefinedPanel(config, list, 0, view_);
  EXPECT_EQ(Reg(REG_VERT_TOTAL0), 0xFFu);
  EXPECT_EQ(Reg(REG_VERT_TOTAL1), 0x00u);
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x07u);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x6Au);  // 320x240 bit set
  EXPECT_EQ(Reg(REG_GPIO_CONFIG1), 0x00u);
  ApplyPredefinedPanel(config, list, 1, view_);
  EXPECT_EQ(Reg(REG_VERT_TOTAL0), 0xFFu);
  EXPECT_EQ(Reg(REG_VERT_TOTAL1), 0x03u);
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x87u);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x62u);
}

TEST_F(MatchingTest, PixelClockThatCannotBeHadLeavesThePreviousOne) {
  config.FixedClkI2 = 50000;  // CLKI2 fixed: only 50 MHz divides are offered
  PanelList list = Load(kTft640);
  ASSERT_TRUE(ApplyPredefinedPanel(config, list, 0, view_));
  ASSERT_EQ(view_.statuses.size(), 2u);
  EXPECT_EQ(view_.statuses[1],
            std::make_pair(true, std::string("Could not change pixel clock to \"25.175\".")));
  EXPECT_EQ(GetPixelClock(config), 6250u);
  EXPECT_EQ(Reg(REG_HDP), 0x4Fu);  // the rest of the panel is applied
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MatchingTest, CurrentClockOffTheTableIsReportedWhenReapplied) {
  WorkingRecord.ClkI = 12000;
  SetRegister(REG_PCLK_CONFIG, 0x02);
  PanelList list =
      Load("PANEL \"odd\" TFT 640 480 F 18 F n T F 12345 800 144 525 35 1 96 L 0 2 L F 160 45\n");
  ApplyPredefinedPanel(config, list, 0, view_);
  EXPECT_EQ(view_.statuses.back(),
            std::make_pair(true, std::string("Could not change pixel clock to \"12.345\".")));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel Pixel Clock!"));
  EXPECT_EQ(WorkingRecord.ClkI, 12000u);
}

TEST_F(MatchingTest, CustomPanelAndRejectedPanelsChangeNothing) {
  PanelList list = Load(std::string(kTft640) +
                            "PANEL \"xga\" TFT 1024 768 F 18 F n T F 65000 1344 296 806 35 1 "
                            "136 L 0 6 L F 320 38\n",
                        true);
  ASSERT_EQ(list.Count(), 2);
  HAL_STRUCT before = WorkingRecord;
  EXPECT_FALSE(ApplyPredefinedPanel(config, list, 2, view_));  // "Custom Panel"
  EXPECT_TRUE(view_.statuses.empty());
  EXPECT_FALSE(ApplyPredefinedPanel(config, list, 1, view_));
  EXPECT_EQ(view_.statuses,
            (std::vector<std::pair<bool, std::string>>{{true, "**Disqualified: >80K."}}));
  EXPECT_EQ(memcmp(&before, &WorkingRecord, sizeof before), 0);
  EXPECT_EQ(config.PanelMatching.matchedIndex, 1);
}

TEST_F(MatchingTest, UnknownTypeIsNeverApplied) {
  PanelList list =
      Load("PANEL \"odd\" TFTX 640 480 F 18 F n T F 25175 800 144 525 35 1 96 L 0 2 L F 160 45\n",
           false, nullptr);
  ASSERT_EQ(list.Count(), 1);
  HAL_STRUCT before = WorkingRecord;
  EXPECT_FALSE(ApplyPredefinedPanel(config, list, 0, view_));
  EXPECT_EQ(
      view_.statuses,
      (std::vector<std::pair<bool, std::string>>{{true, "**Disqualified: Unknown panel type."}}));
  EXPECT_EQ(memcmp(&before, &WorkingRecord, sizeof before), 0);
}

TEST_F(MatchingTest, FillMarksRejectedPanelsAndEndsWithCustom) {
  PanelList list = Load(std::string(kTft640) +
                            "PANEL \"el\" STN 640 480 T 8 F 1 F F 25000 704 22 490 0 1 16 L 0 1 "
                            "L F 64 10\n",
                        true);
  FillPredefinedPanelList(list, view_);
  EXPECT_EQ(view_.entries, (Texts{"TFT 640x480", "**el", "Custom Panel"}));
  EXPECT_EQ(view_.statuses, (std::vector<std::pair<bool, std::string>>{
                                {false, "DEBUG.DEF: panels with ** shouldn't work with 56420."}}));
  PanelList empty;
  RecordingView emptyView;
  FillPredefinedPanelList(empty, emptyView);
  EXPECT_TRUE(emptyView.entries.empty());
  EXPECT_TRUE(emptyView.statuses.empty());
}

TEST_F(MatchingTest, FirstSearchOfAOneRecordListTriesRecordZero) {
  PanelList list = Load(kDefaultStn);
  EXPECT_EQ(FindMatchingPanel(config, list, view_), 1);  // nothing pending: no search
  MarkPanelSettingsChanged(config);
  EXPECT_EQ(FindMatchingPanel(config, list, view_), 0);
  EXPECT_EQ(view_.statuses, (std::vector<std::pair<bool, std::string>>{{false, "Found a match!"}}));
  EXPECT_EQ(view_.selected, 0);
  EXPECT_FALSE(config.PanelMatching.rematchPending);
  // The remembered panel matching again leaves the status line alone.
  MarkPanelSettingsChanged(config);
  EXPECT_EQ(FindMatchingPanel(config, list, view_), 0);
  EXPECT_EQ(view_.statuses.size(), 1u);
}

TEST_F(MatchingTest, NoMatchSelectsCustomPanelAndKeepsSearching) {
  PanelList list = Load(kTft640);
  MarkPanelSettingsChanged(config);
  EXPECT_EQ(FindMatchingPanel(config, list, view_), -1);
  EXPECT_EQ(view_.selected, 1);
  EXPECT_EQ(view_.statuses, (std::vector<std::pair<bool, std::string>>{{false, ""}}));
  EXPECT_EQ(config.PanelMatching.matchedIndex, -1);
  EXPECT_TRUE(config.PanelMatching.rematchPending);
}

TEST_F(MatchingTest, NothingAskedForASearchWhileAPanelIsApplied) {
  config.PanelMatching.matchingEnabled = false;
  MarkPanelSettingsChanged(config);
  EXPECT_FALSE(config.PanelMatching.rematchPending);
}

// Every shipped panel, chosen on the opened page and left as the page does,
// passes the three timing rules, runs at a frame rate a real panel of its
// kind uses, keeps the line offset of its width, and the settings it leaves
// match it again.
TEST_F(MatchingTest, EveryShippedPanelAppliesCleanly) {
  const char* binary = getenv("QLC_BINARY_DIR");
  ASSERT_NE(binary, nullptr);
  PanelList list(QualifyPanel, std::string(binary) + "/bin");
  ASSERT_GE(list.Count(), 8);
  for (int i = 0; i < list.Count(); ++i) {
    SetUp();
    ClearMessages();
    RecordingView view;
    const PanelRecord& panel = list.At(i);
    OpenPanelPage(config, list, view);
    view.statuses.clear();
    ASSERT_EQ(ApplyPredefinedPanel(config, list, i, view), kPanelApplied) << panel.Name();
    EXPECT_EQ(view.statuses, (std::vector<std::pair<bool, std::string>>{{false, ""}}))
        << panel.Name();
    EXPECT_TRUE(Messages().empty()) << panel.Name();
    ASSERT_TRUE(LeavePanelPage(config, ShownPanelPageEntries(config))) << panel.Name();
    // Leaving checks the memory: a 640-pixel line at 8 bpp needs more than 80 KB.
    for (const std::string& text : Messages())
      EXPECT_EQ(text.rfind("Warning: Not enough installed video memory", 0), 0u) << panel.Name();
    EXPECT_EQ(LineOffset(), GetPanelWidth(config) * BitsPerPixel(config) / 32) << panel.Name();
    EXPECT_EQ(GetPixelClock(config), static_cast<uint32_t>(panel.PixelClock())) << panel.Name();
    EXPECT_TRUE(MemoryClockRuleHolds(config)) << panel.Name();
    EXPECT_TRUE(DisplayPeriodRuleHolds(config)) << panel.Name();
    EXPECT_TRUE(NonDisplayPeriodRuleHolds(config)) << panel.Name();
    EXPECT_GE(GetHorizTotal(config), GetMinHorizTotal(config)) << panel.Name();
    EXPECT_GT(GetVertTotal(config), GetPanelHeight(config)) << panel.Name();
    EXPECT_GE(view.rates.selected, 0) << panel.Name();
    // What a real panel of that size runs at: no flicker, no overdriven clock.
    EXPECT_GE(WorkingRecord.FrameRate, 50) << panel.Name();
    EXPECT_LE(WorkingRecord.FrameRate, 90) << panel.Name();
    EXPECT_EQ(WorkingRecord.FrameRate, FrameRateAt(config, GetHorizTotal(config))) << panel.Name();
    config.PanelMatching.matchedIndex = -1;
    MarkPanelSettingsChanged(config);
    EXPECT_EQ(FindMatchingPanel(config, list, view), i) << panel.Name();
  }
}
