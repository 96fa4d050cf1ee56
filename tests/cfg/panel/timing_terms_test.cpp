// The conversion between the chip's positions and the datasheet's porches.
#include "cfg/panel/timing_terms.h"

#include <gtest/gtest.h>

#include "cfg/panel/timing.h"
#include "tests/cfg/panel/panel_fixture.h"

namespace {

using TimingTermsTest = PanelTest;

TimingAxis Axis(int64_t active, int64_t front, int64_t sync, int64_t back, int high) {
  TimingAxis axis;
  axis.active = active, axis.frontPorch = front, axis.syncLength = sync, axis.backPorch = back;
  axis.syncActive = high;
  return axis;
}

TEST_F(TimingTermsTest, PositionsRoundTheLineGiveThePorches) {
  struct Case {
    const char* what;
    unsigned type;
    uint32_t width, total, start, syncStart, syncWidth;
    TimingAxis expected;
  } const cases[] = {
      {"default STN", kPanelStn, 320, 352, 22, 1, 8, Axis(320, 10, 8, 14, 0)},
      {"VGA on TFT", kPanelTft, 640, 800, 144, 1, 96, Axis(640, 16, 96, 48, 0)},
      // The sync starts after the display period and wraps round the line end.
      {"wrapping sync", kPanelHrTft, 160, 200, 20, 186, 30, Axis(160, 5, 30, 5, 0)},
      {"sync into display", kPanelTft, 320, 400, 70, 60, 30, Axis(320, 69, 30, -19, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetPanelType(config, c.type);
    SetPanelWidth(config, c.width);
    SetHorizTotal(config, c.total);
    SetHorizStart(config, c.start);
    SetFplineStart(config, c.syncStart);
    SetFplineWidth(config, c.syncWidth);
    SetFplineHigh(config, false);
    EXPECT_EQ(TimingTermsOf(config).horizontal, c.expected);
  }
  EXPECT_EQ(SyncOverlapNote(TimingTermsOf(config)),
            "FPLINE runs 19 pixels into the display period; FPFRAME runs 1 line into the "
            "display period");
}

TEST_F(TimingTermsTest, EveryTermIsCheckedAgainstItsField) {
  struct Case {
    unsigned type;
    TimingAxis horizontal, vertical;
    const char* refusal;
  } const cases[] = {
      {kPanelTft, Axis(640, 16, 200, 48, 0), Axis(480, 10, 2, 33, 0),
       "hsync-len 200 is more than the 128 pixels FPLINE can be"},
      {kPanelStn, Axis(248, 16, 8, 48, 0), Axis(480, 10, 2, 33, 0),
       "hactive 248 is not a multiple of the 16 pixels the width of an STN panel steps by"},
      {kPanelTft, Axis(640, 17, 96, 48, 0), Axis(480, 10, 2, 33, 0),
       "htotal 801 (hactive + hfront-porch + hsync-len + hback-porch) is not a multiple of the "
       "8 pixels the horizontal total steps by"},
      {kPanelTft, Axis(1024, 16, 96, 48, 0), Axis(480, 10, 2, 33, 0),
       "htotal 1184 (hactive + hfront-porch + hsync-len + hback-porch) is more than the 1024 "
       "pixels the horizontal total can be"},
      {kPanelTft, Axis(640, 16, 0, 48, 0), Axis(480, 10, 2, 33, 0),
       "hsync-len 0 is less than the 1 pixel FPLINE is at least"},
      {kPanelTft, Axis(640, 16, 96, 48, 0), Axis(480, 10, 9, 33, 0),
       "vsync-len 9 is more than the 8 lines FPFRAME can be"},
      {kPanelTft, Axis(640, 16, 96, 48, 0), Axis(1000, 10, 2, 33, 0),
       "vtotal 1045 (vactive + vfront-porch + vsync-len + vback-porch) is more than the 1024 "
       "lines the vertical total can be"},
      {kPanelHrTft, Axis(320, 16, 8, 48, 0), Axis(200, 10, 2, 33, 0),
       "hactive 320 and vactive 200: an HR-TFT panel is 160x160 or 320x240"},
  };
  for (const Case& c : cases) {
    TimingTerms terms;
    terms.horizontal = c.horizontal, terms.vertical = c.vertical, terms.pixelClockHz = 25000000;
    ChipTimingSettings chip;
    std::string refusal;
    EXPECT_FALSE(ChipSettingsFromTerms(terms, c.type, &chip, &refusal));
    EXPECT_EQ(refusal, c.refusal);
  }
}

TEST_F(TimingTermsTest, TheDisplayStartsNoEarlierThanTheTypesOffset) {
  // hsync-len + hback-porch = 12: on TFT the display follows at 12, on STN
  // it starts at 22 and the sync moves to position 10 (FPLINE start 11).
  TimingTerms terms;
  terms.horizontal = Axis(320, 20, 8, 4, -1);
  terms.vertical = Axis(240, 4, 2, 16, 1);
  terms.pixelClockHz = 6250000;
  // vsync-len + vback-porch = 18: the display from line 18, the frame pulse
  // on line 0; an STN panel's first-line marker comes with its first line.
  struct {
    unsigned type;
    uint32_t horizStart, fplineStart;
    bool fplineHigh;
    uint32_t vertStart, fpframeStart;
  } const cases[] = {{kPanelTft, 12, 1, false, 18, 0},
                     {kPanelStn, 22, 11, true, 16, 16},
                     {kPanelHrTft, 12, 1, true, 18, 0}};
  for (const auto& c : cases) {
    ChipTimingSettings chip;
    std::string refusal;
    ASSERT_TRUE(ChipSettingsFromTerms(terms, c.type, &chip, &refusal)) << refusal;
    EXPECT_EQ(chip.horizStart, c.horizStart);
    EXPECT_EQ(chip.fplineStart, c.fplineStart);
    EXPECT_EQ(chip.fplineHigh, c.fplineHigh);  // not given: the type's default
    EXPECT_TRUE(chip.fpframeHigh);
    EXPECT_EQ(chip.vertStart, c.vertStart);
    EXPECT_EQ(chip.fpframeStart, c.fpframeStart);
    // Written into the registers, the positions give the same terms back.
    SetPanelType(config, c.type);
    SetPanelWidth(config, chip.width);
    SetHorizTotal(config, chip.horizTotal);
    SetHorizStart(config, chip.horizStart);
    SetFplineStart(config, chip.fplineStart);
    SetFplineWidth(config, chip.fplineWidth);
    SetVertStart(config, chip.vertStart);
    SetFpframeStart(config, chip.fpframeStart);
    SetFpframeWidth(config, chip.fpframeWidth);
    SetVertTotal(config, chip.vertTotal);
    SetPanelHeight(config, chip.height);
    TimingTerms back = TimingTermsOf(config);
    EXPECT_EQ(back.horizontal.frontPorch, 20);
    EXPECT_EQ(back.horizontal.backPorch, 4);
    EXPECT_EQ(back.vertical.frontPorch, 4);
    EXPECT_EQ(back.vertical.backPorch, 16);
  }
}

}  // namespace
