// The Panel page's record logic: filling, opening, the refill after a chosen
// panel and leaving, as the page and qlccfg run them.
#include "cfg/pages/panel/panel_page.h"

#include "cfg/panel/matching.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/rules.h"
#include "cfg/record/tracking.h"
#include "tests/cfg/panel/panel_fixture.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

struct PageView : PanelPageView {
  void ShowPanelSettings(const PanelPageFill& shown) override {
    fill = shown;
    ++fills;
  }
  void ShowDataWidth(unsigned code, bool sixteenBitAllowed) override {
    dataWidthCode = code;
    sixteenBit = sixteenBitAllowed;
  }
  void SelectPredefinedPanel(int index) override { selected = index; }

  PanelPageFill fill = {};
  int fills = 0;
  unsigned dataWidthCode = 9;
  bool sixteenBit = true;
  int selected = -2;
};

class PanelPageTest : public PanelTest {
 protected:
  PanelList Load(const std::string& text) {
    WriteFileBytes(dir_.File("PANELS.DEF"), text);
    return PanelList(QualifyPanel, dir_.Path());
  }
  TempDir dir_;
  PageView view_;
};

const char kLowPulseStn[] =
    "PANEL \"STN low\" STN 320 240 F 4 F 1 T F 6250 352 22 251 0 1 8 L 0 1 L F 32 11\n";
const char kKVrx[] =
    "PANEL \"K-VRX\" K-VRX 160 240 F 16 F n T F 3125 200 20 250 4 1 2 H 0 1 L F 40 10\n";

bool Same(const SpinSetting& a, const SpinSetting& b) {
  return a.lowest == b.lowest && a.highest == b.highest && a.position == b.position;
}

}  // namespace

TEST_F(PanelPageTest, FillShowsTheDefaultRecordAndCorrectsSilently) {
  SetRegister(REG_PANEL_TYPE, 0xC0);   // colour STN 4-bit with format 2 set
  SetRegister(REG_HORIZ_TOTAL, 0x20);  // 264, below the smallest total 328
  PanelPageFill fill = FillPanelPageFromRegisters(config);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x40u);
  EXPECT_EQ(GetHorizTotal(config), 328u);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG1), 0x80u);
  EXPECT_EQ(fill.type, unsigned(kPanelStn));
  EXPECT_TRUE(fill.color);
  EXPECT_FALSE(fill.format2);
  EXPECT_FALSE(fill.format2Enabled);
  EXPECT_EQ(fill.dataWidthCode, 0u);
  EXPECT_EQ(fill.width, 320u);
  EXPECT_EQ(fill.height, 240u);
  EXPECT_TRUE(fill.fplineHigh);  // REG[20h] = 87h
  EXPECT_TRUE(fill.fpframeHigh);
  EXPECT_TRUE(Same(fill.horizTotal, {328, 1024, 328}));
  EXPECT_TRUE(Same(fill.vertTotal, {1, 1024, 251}));
  EXPECT_TRUE(Same(fill.horizStart, {22, 1023, 22}));
  EXPECT_TRUE(Same(fill.vertStart, {0, 1023, 0}));
  EXPECT_TRUE(Same(fill.fplineStart, {1, 1024, 1}));
  EXPECT_TRUE(Same(fill.fplineWidth, {1, 128, 8}));
  EXPECT_TRUE(Same(fill.fpframeStart, {0, 1023, 0}));
  EXPECT_TRUE(Same(fill.fpframeWidth, {1, 8, 1}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPageTest, OpeningFillsSearchesAndAppliesTheSixteenBitRule) {
  SetRegister(REG_PANEL_TYPE, 0x20);  // mono STN 16-bit, which does not exist
  WorkingRecord.FrameRate = 0;
  PanelList list = Load(kLowPulseStn);
  OpenPanelPage(config, list, view_);
  EXPECT_EQ(view_.fills, 1);
  EXPECT_EQ(view_.fill.dataWidthCode, 2u);  // filled before the rule
  EXPECT_EQ(view_.dataWidthCode, 1u);
  EXPECT_FALSE(view_.sixteenBit);
  EXPECT_EQ(Reg(REG_PANEL_TYPE), 0x10u);
  EXPECT_EQ(WorkingRecord.FrameRate, 70);
  EXPECT_EQ(view_.selected, 1);  // "Custom Panel": a mono 16-bit panel is not listed
}

TEST_F(PanelPageTest, AChosenPanelKeepsItsOwnPolaritiesWhenThePageIsLeft) {
  ASSERT_EQ(Reg(REG_HSYNC_PULSE_WIDTH), 0x87u);
  PanelList list = Load(kLowPulseStn);
  ASSERT_EQ(ApplyPredefinedPanel(config, list, 0, view_), kPanelApplied);
  EXPECT_FALSE(view_.fill.fplineHigh);
  EXPECT_FALSE(view_.fill.fpframeHigh);
  PanelPageLeaveEntries shown = ShownPanelPageEntries(config);
  EXPECT_EQ(shown.heightText, "240");
  EXPECT_EQ(shown.widthText, "320");
  ASSERT_TRUE(
      LeavePanelPage(config, {view_.fill.fplineHigh, view_.fill.fpframeHigh, "240", "320"}));
  EXPECT_EQ(Reg(REG_HSYNC_PULSE_WIDTH), 0x07u);
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x00u);
  // Only a click on a type button shows the type's defaults.
  bool fplineHigh = false, fpframeHigh = false;
  DefaultPolarities(kPanelStn, &fplineHigh, &fpframeHigh);
  EXPECT_TRUE(fplineHigh && fpframeHigh);
  // The settings still match the panel when the page is opened again.
  OpenPanelPage(config, list, view_);
  EXPECT_EQ(view_.selected, 0);
}

TEST_F(PanelPageTest, LeavingTakesThePolarityChoicesAndSetsKVrxBits) {
  PanelList list = Load(kKVrx);
  ASSERT_EQ(ApplyPredefinedPanel(config, list, 0, view_), kPanelApplied);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG1), 0x00u);
  EXPECT_EQ(Reg(REG_GPIO_CONFIG0), 0x00u);  // only leaving the page sets them
  ASSERT_TRUE(LeavePanelPage(config, {false, true, "240", "160"}));
  EXPECT_EQ(Reg(REG_GPIO_CONFIG0), 0x40u);
  EXPECT_EQ(Reg(REG_GPIO_STATUS_CONTROL0), 0x40u);
  EXPECT_EQ(Reg(REG_HSYNC_PULSE_WIDTH), 0x01u);
  EXPECT_EQ(Reg(REG_VSYNC_PULSE_WIDTH), 0x80u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPageTest, OnlyHeightAndWidthKeepThePageOpen) {
  SetPanelType(config, kPanelKVrx);
  EXPECT_FALSE(LeavePanelPage(config, {true, false, "", "320"}));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel height!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPanelHeightField});
  EXPECT_EQ(Reg(REG_GPIO_CONFIG0), 0x00u) << "a refused leave stops before the GPIO bits";
  ClearMessages();
  EXPECT_FALSE(LeavePanelPage(config, {true, false, "240", "1025"}));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: Panel width!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPanelWidthField});
  ClearMessages();
  SetVertTotal(config, 240);
  EXPECT_TRUE(LeavePanelPage(config, {true, false, "240", "320"}));
  EXPECT_EQ(Messages(), Texts(1,
                              "WARNING: Vertical Total should be at least 1 line larger than "
                              "Vertical Display!"));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPanelVertTotalField});
}

TEST_F(PanelPageTest, DimensionListsSelectTheCurrentValueOrAppendIt) {
  ChoiceList width = PanelWidthList(320);
  EXPECT_EQ(width.entries, (Texts{"160", "256", "320", "480", "640", "800", "1024"}));
  EXPECT_EQ(width.selected, 2);
  width = PanelWidthList(168);
  EXPECT_EQ(width.entries.size(), 8u);
  EXPECT_EQ(width.entries.back(), "168");
  EXPECT_EQ(width.selected, 7);
  ChoiceList height = PanelHeightList(240);
  EXPECT_EQ(height.entries, (Texts{"64", "160", "200", "240", "480", "600", "768"}));
  EXPECT_EQ(height.selected, 3);
  height = PanelHeightList(1024);
  EXPECT_EQ(height.Text(), "1024");
  EXPECT_EQ(height.selected, 7);
}

TEST_F(PanelPageTest, TypeLabelsNameTheDataWidthsAndTheSmallResolution) {
  PanelTypeLabels stn = TypeLabels(kPanelStn);
  EXPECT_EQ(Texts(stn.dataWidth, stn.dataWidth + 3), (Texts{"4-bit", "8-bit", "16-bit"}));
  EXPECT_FALSE(stn.resolutionEnabled);
  for (unsigned type : {kPanelTft, kPanelHrTft, kPanelKVrx}) {
    PanelTypeLabels labels = TypeLabels(type);
    EXPECT_EQ(Texts(labels.dataWidth, labels.dataWidth + 3), (Texts{"9-bit", "12-bit", "18-bit"}));
    EXPECT_EQ(labels.resolutionEnabled, type != kPanelTft) << type;
  }
  EXPECT_EQ(TypeLabels(kPanelHrTft).smallResolution, "160x160");
  EXPECT_EQ(TypeLabels(kPanelKVrx).smallResolution, "160x240");
}

TEST_F(PanelPageTest, TotalAndStartRangesFollowWidthAndType) {
  ASSERT_TRUE(EntryTaken(ApplyWidthEntry(config, "640")));
  EXPECT_TRUE(Same(HorizTotalSpin(config), {648, 1024, 648}));  // 352 is below the new minimum
  EXPECT_EQ(GetHorizTotal(config), 352u) << "the total follows only when it is accepted";
  ASSERT_TRUE(EntryTaken(ApplyWidthEntry(config, "1024")));
  EXPECT_TRUE(Same(HorizTotalSpin(config), {1024, 1024, 1024}));  // minHT 1032 cannot be held
  EXPECT_EQ(SelectPanelType(config, kPanelTft, 22), 22u);
  EXPECT_TRUE(Same(HorizStartSpin(config), {5, 1023, 22}));
  EXPECT_EQ(Reg(REG_HDP_START_POS0), 0x11u);
  EXPECT_EQ(SelectPanelType(config, kPanelStn, 10), 22u);
  EXPECT_TRUE(Same(HorizStartSpin(config), {22, 1023, 22}));
}
