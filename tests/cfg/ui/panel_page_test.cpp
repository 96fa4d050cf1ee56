// The Panel page in the real window: what it shows for a record, the type,
// colour and width buttons, the up-downs, the width and height boxes with
// their keys, the lists, the predefined panels, leaving, and a chosen panel
// saved into a program that then drives the virtual board.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include "cfg/panel/clocks.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/predefined_panels.h"
#include "cfg/ui/resource.h"
#include "common/message.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/cfg/ui/window_driver.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

const char kRounding[] = "The panel width will be rounded up to the closest allowable value";
const char kTooShort[] =
    "WARNING: Vertical Total should be at least 1 line larger than Vertical Display!";
const COLORREF kStatusRed = RGB(175, 0, 0);

class PanelPageTest : public MainWindowTest {
 protected:
  void SetUp() override {
    LoadPredefinedPanels();
    config.PanelMatching = PanelMatchState();
    MainWindowTest::SetUp();
    ClickTab(kPanelPage);
  }

  // The colour and background mode the page gives a static control.
  COLORREF TextColour(int id, int* backgroundMode = nullptr) {
    HDC dc = GetDC(Page());
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    SendMessageA(Page(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(GetDlgItem(Page(), id)));
    COLORREF colour = GetTextColor(dc);
    if (backgroundMode) *backgroundMode = GetBkMode(dc);
    ReleaseDC(Page(), dc);
    return colour;
  }

  HWND Spin(int id) const { return GetDlgItem(Page(), id); }
  int SpinLowest(int id) const {
    int lowest = 0, highest = 0;
    SendMessageA(Spin(id), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest),
                 reinterpret_cast<LPARAM>(&highest));
    return lowest;
  }

  // One step of an up-down as the control makes it, a click or a step while
  // its button is held: it asks the page with UDN_DELTAPOS, moves, writes
  // its buddy and reports the new position with WM_VSCROLL.
  void StepSpin(int id, int delta) {
    HWND spin = Spin(id);
    int position = static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0));
    NMUPDOWN change = {
        {spin, static_cast<UINT_PTR>(id), static_cast<UINT>(UDN_DELTAPOS)}, position, delta};
    if (SendMessageA(Page(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change))) return;
    SendMessageA(spin, UDM_SETPOS32, 0, position + delta);
    position = static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0));
    SendMessageA(Page(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(spin));
    SendMessageA(Page(), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, position),
                 reinterpret_cast<LPARAM>(spin));
    PumpMessages();
  }

  Texts DataWidthLabels() const {
    return {Text(IDC_PANEL_DATA_WIDTH_0), Text(IDC_PANEL_DATA_WIDTH_1),
            Text(IDC_PANEL_DATA_WIDTH_2)};
  }
  bool LeavePage() { return ClickTab(kGeneralPage); }
  void ReopenPage() {
    ASSERT_TRUE(LeavePage());
    ASSERT_TRUE(ClickTab(kPanelPage));
  }
};

}  // namespace

TEST_F(PanelPageTest, OpensOnTheDefaultRecord) {
  EXPECT_TRUE(Checked(IDC_PANEL_STN));
  EXPECT_FALSE(Checked(IDC_PANEL_TFT) || Checked(IDC_PANEL_KVRX) || Checked(IDC_PANEL_HRTFT));
  EXPECT_TRUE(Checked(IDC_PANEL_COLOR));
  EXPECT_FALSE(Checked(IDC_PANEL_MONO));
  EXPECT_TRUE(Checked(IDC_PANEL_DATA_WIDTH_0));
  EXPECT_EQ(DataWidthLabels(), (Texts{"4-bit", "8-bit", "16-bit"}));
  EXPECT_FALSE(Enabled(IDC_PANEL_FORMAT2));
  EXPECT_FALSE(Enabled(IDC_PANEL_RESOLUTION_160) || Enabled(IDC_PANEL_RESOLUTION_320));
  EXPECT_EQ(Text(IDC_PANEL_WIDTH), "320");
  EXPECT_EQ(Text(IDC_PANEL_HEIGHT), "240");
  EXPECT_EQ(Entries(IDC_PANEL_WIDTH), (Texts{"160", "256", "320", "480", "640", "800", "1024"}));
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "352");
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_TOTAL_SPIN), 328);
  EXPECT_EQ(Text(IDC_PANEL_VERT_TOTAL), "251");
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_START), "22");
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_START_SPIN), 22);
  EXPECT_EQ(Text(IDC_PANEL_VERT_START), "0");
  EXPECT_EQ(Text(IDC_PANEL_FPLINE_START), "1");
  EXPECT_EQ(Text(IDC_PANEL_FPLINE_WIDTH), "8");
  EXPECT_TRUE(Checked(IDC_PANEL_FPLINE_HIGH));
  EXPECT_FALSE(Checked(IDC_PANEL_FPLINE_LOW));
  EXPECT_EQ(Text(IDC_PANEL_FPFRAME_START), "0");
  EXPECT_EQ(Text(IDC_PANEL_FPFRAME_WIDTH), "1");
  EXPECT_TRUE(Checked(IDC_PANEL_FPFRAME_HIGH));
  EXPECT_EQ(Entries(IDC_PANEL_FRAME_RATE).size(), 88u);
  EXPECT_EQ(Selected(IDC_PANEL_FRAME_RATE), 3);
  EXPECT_EQ(Text(IDC_PANEL_FRAME_RATE), "70");
  EXPECT_EQ(Text(IDC_PANEL_PIXEL_CLOCK), " 6.250   (50.000/8)");
  EXPECT_EQ(Entries(IDC_PANEL_PIXEL_CLOCK).size(), 120u);
  // Dropped lists at least 120 and 200 pixels wide (or as wide as the box).
  EXPECT_GE(SendDlgItemMessageA(Page(), IDC_PANEL_PIXEL_CLOCK, CB_GETDROPPEDWIDTH, 0, 0), 120);
  EXPECT_GE(SendDlgItemMessageA(Page(), IDC_PANEL_PREDEFINED, CB_GETDROPPEDWIDTH, 0, 0), 200);
  // The shipped panels the chip can drive, then "Custom Panel"; the default
  // record is the colour STN panel.
  Texts panels = Entries(IDC_PANEL_PREDEFINED);
  ASSERT_EQ(panels.size(), static_cast<size_t>(PredefinedPanels().Count()) + 1);
  EXPECT_EQ(panels.back(), "Custom Panel");
  EXPECT_EQ(Text(IDC_PANEL_PREDEFINED), "Color STN 320x240 4-bit");
  EXPECT_EQ(Text(IDC_PANEL_STATUS), "");
  int mode = 0;
  EXPECT_EQ(TextColour(IDC_PANEL_STATUS, &mode), kNoteColour);
  EXPECT_EQ(mode, TRANSPARENT);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(WorkingRecord.FrameRate, 70);
}

TEST_F(PanelPageTest, TypeButtonsRelabelAndShowTheTypesDefaultPolarities) {
  ClickButton(IDC_PANEL_TFT);
  EXPECT_EQ(DataWidthLabels(), (Texts{"9-bit", "12-bit", "18-bit"}));
  EXPECT_TRUE(Checked(IDC_PANEL_FPLINE_LOW) && Checked(IDC_PANEL_FPFRAME_LOW));
  EXPECT_FALSE(Checked(IDC_PANEL_FPLINE_HIGH) || Checked(IDC_PANEL_FPFRAME_HIGH));
  EXPECT_EQ(GetRegister(REG_HSYNC_PULSE_WIDTH), 0x87u) << "only the buttons change";
  EXPECT_EQ(GetRegister(REG_VSYNC_PULSE_WIDTH), 0x80u);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_START), "22");
  EXPECT_EQ(GetRegister(REG_HDP_START_POS0), 0x11u);
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_START_SPIN), 5);
  EXPECT_EQ(GetRegister(REG_PANEL_TYPE) & 3, 1u);
  EXPECT_EQ(GetRegister(REG_GPIO_CONFIG1), 0x80u);
  EXPECT_FALSE(Enabled(IDC_PANEL_RESOLUTION_160));

  StepSpin(IDC_PANEL_HORIZ_START_SPIN, -12);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_START), "10");
  EXPECT_EQ(GetRegister(REG_HDP_START_POS0), 5u);
  ClickButton(IDC_PANEL_STN);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_START), "22");
  EXPECT_EQ(GetRegister(REG_HDP_START_POS0), 0u);
  EXPECT_TRUE(Checked(IDC_PANEL_FPLINE_HIGH) && Checked(IDC_PANEL_FPFRAME_HIGH));

  ClickButton(IDC_PANEL_KVRX);
  EXPECT_EQ(GetRegister(REG_GPIO_CONFIG1), 0x00u);
  EXPECT_EQ(Text(IDC_PANEL_RESOLUTION_160), "160x240");
  EXPECT_TRUE(Enabled(IDC_PANEL_RESOLUTION_160) && Enabled(IDC_PANEL_RESOLUTION_320));
  EXPECT_TRUE(Checked(IDC_PANEL_RESOLUTION_160));
  EXPECT_TRUE(Checked(IDC_PANEL_FPLINE_HIGH) && Checked(IDC_PANEL_FPFRAME_LOW));
  ClickButton(IDC_PANEL_RESOLUTION_320);
  EXPECT_EQ(GetRegister(REG_PANEL_TYPE) & 0x08, 0x08u);
  ClickButton(IDC_PANEL_HRTFT);
  EXPECT_EQ(Text(IDC_PANEL_RESOLUTION_160), "160x160");
  EXPECT_TRUE(Checked(IDC_PANEL_RESOLUTION_320));
  ClickButton(IDC_PANEL_FPLINE_LOW);
  EXPECT_EQ(GetRegister(REG_HSYNC_PULSE_WIDTH), 0x07u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPageTest, FormatTwoAndSixteenBitFollowColourAndDataWidth) {
  ClickButton(IDC_PANEL_DATA_WIDTH_1);
  EXPECT_TRUE(Enabled(IDC_PANEL_FORMAT2));
  ClickButton(IDC_PANEL_FORMAT2);
  EXPECT_EQ(GetRegister(REG_PANEL_TYPE), 0xD0u);
  ClickButton(IDC_PANEL_MONO);
  EXPECT_FALSE(Enabled(IDC_PANEL_FORMAT2));
  EXPECT_FALSE(Checked(IDC_PANEL_FORMAT2));
  EXPECT_FALSE(Enabled(IDC_PANEL_DATA_WIDTH_2));
  EXPECT_EQ(GetRegister(REG_PANEL_TYPE), 0x10u);
  ClickButton(IDC_PANEL_TFT);
  EXPECT_TRUE(Enabled(IDC_PANEL_DATA_WIDTH_2));

  // A mono STN panel with 16-bit data shows 8-bit when the page opens.
  ASSERT_TRUE(LeavePage());
  SetRegister(REG_PANEL_TYPE, 0x20);
  ASSERT_TRUE(ClickTab(kPanelPage));
  EXPECT_TRUE(Checked(IDC_PANEL_DATA_WIDTH_1));
  EXPECT_FALSE(Checked(IDC_PANEL_DATA_WIDTH_2));
  EXPECT_FALSE(Enabled(IDC_PANEL_DATA_WIDTH_2));
  EXPECT_EQ(GetRegister(REG_PANEL_TYPE), 0x10u);
}

TEST_F(PanelPageTest, WidthEnterAsksToRoundAndShowsTheRoundedWidthWithoutASearch) {
  TypeInto(IDC_PANEL_WIDTH, "250");
  messages.Answer(kAnswerCancel);
  PressKey(VK_RETURN);
  EXPECT_EQ(Messages(), Texts{kRounding});
  EXPECT_EQ(GetPanelWidth(config), 320u);
  EXPECT_EQ(Text(IDC_PANEL_WIDTH), "250");
  PressKey(VK_RETURN);
  EXPECT_EQ(Messages(), (Texts{kRounding, kRounding}));
  EXPECT_EQ(Text(IDC_PANEL_WIDTH), "256");
  EXPECT_EQ(GetPanelWidth(config), 256u);
  EXPECT_EQ(FocusId(), IDC_PANEL_WIDTH);
  // minHT 264: the frame-rate list is rebuilt, the total's range follows.
  EXPECT_EQ(Entries(IDC_PANEL_FRAME_RATE).size(), 96u);
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_TOTAL_SPIN), 264);
  // No search ran: the list still names the panel the settings matched.
  EXPECT_EQ(Text(IDC_PANEL_PREDEFINED), "Color STN 320x240 4-bit");
  ClickButton(IDC_PANEL_COLOR);
  EXPECT_EQ(Text(IDC_PANEL_PREDEFINED), "Custom Panel");
}

TEST_F(PanelPageTest, TabMovesFromWidthToHeightToTheHorizontalTotal) {
  TypeInto(IDC_PANEL_WIDTH, "640");
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_PANEL_HEIGHT);
  EXPECT_EQ(GetPanelWidth(config), 640u);
  TypeInto(IDC_PANEL_HEIGHT, "200");
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_PANEL_HORIZ_TOTAL);
  EXPECT_EQ(GetPanelHeight(config), 200u);
  // 640 x 200 at 8 bpp does not fit: each accepted entry says so.
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].rfind("Warning: Not enough installed video memory", 0), 0u);

  // Escape commits as well and keeps the focus; a refusal keeps it too.
  messages.Clear();
  TypeInto(IDC_PANEL_HEIGHT, "1025");
  PressKey(VK_TAB);
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel height!"});
  EXPECT_EQ(FocusId(), IDC_PANEL_HEIGHT);
  // The refused text is selected, ready to be typed over.
  DWORD selection =
      static_cast<DWORD>(SendDlgItemMessageA(Page(), IDC_PANEL_HEIGHT, CB_GETEDITSEL, 0, 0));
  EXPECT_EQ(HIWORD(selection) - LOWORD(selection), 4);
  TypeInto(IDC_PANEL_HEIGHT, "100");
  PressKey(VK_ESCAPE);
  EXPECT_EQ(GetPanelHeight(config), 100u);
  EXPECT_EQ(FocusId(), IDC_PANEL_HEIGHT);
  EXPECT_EQ(PageIndex(), kPanelPage);
}

TEST_F(PanelPageTest, ListChoicesRunTheirRules) {
  ChooseEntry(IDC_PANEL_FRAME_RATE, "74");
  EXPECT_EQ(GetHorizTotal(config), 336u);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "336");
  EXPECT_EQ(WorkingRecord.FrameRate, 74);
  ChooseEntry(IDC_PANEL_HEIGHT, "200");
  EXPECT_EQ(GetPanelHeight(config), 200u);
  EXPECT_EQ(Text(IDC_PANEL_HEIGHT), "200");
  ChooseEntry(IDC_PANEL_WIDTH, "160");
  EXPECT_EQ(GetPanelWidth(config), 160u);
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_TOTAL_SPIN), 168);
  ChooseEntry(IDC_PANEL_PIXEL_CLOCK, "12.500   (25.000/2)");
  EXPECT_EQ(GetPixelClock(config), 12500u);
  EXPECT_EQ(WorkingRecord.ClkI2, 25000u);
  EXPECT_EQ(Selected(IDC_PANEL_FRAME_RATE), 21);  // 336 on the list from minHT 168
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPageTest, HoldingTheTotalsUpDownStepsByEightThenThirtyTwo) {
  UDACCEL steps[3] = {};
  ASSERT_EQ(SendMessageA(Spin(IDC_PANEL_HORIZ_TOTAL_SPIN), UDM_GETACCEL, 3,
                         reinterpret_cast<LPARAM>(steps)),
            2);
  EXPECT_EQ(steps[0].nSec, 0u);
  EXPECT_EQ(steps[0].nInc, 8u);
  EXPECT_EQ(steps[1].nSec, 2u);
  EXPECT_EQ(steps[1].nInc, 32u);

  // The arrow key takes the first step, as a click does.
  FocusControl(Page(), IDC_PANEL_HORIZ_TOTAL);
  PressKey(VK_UP);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "360");
  EXPECT_EQ(GetRegister(REG_HORIZ_TOTAL), 0x2Cu);
  EXPECT_EQ(Selected(IDC_PANEL_FRAME_RATE), 4);
  // Held on, the steps grow to 32; every one runs the rules and rebuilds the
  // frame rates.
  StepSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, 8);
  StepSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, 32);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "400");
  EXPECT_EQ(GetHorizTotal(config), 400u);
  EXPECT_EQ(Selected(IDC_PANEL_FRAME_RATE), 9);
  StepSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, 32 * 30);
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "1024");
  EXPECT_EQ(Selected(IDC_PANEL_FRAME_RATE), 87);
  EXPECT_EQ(Text(IDC_PANEL_PREDEFINED), "Custom Panel");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPageTest, TotalBelowANewMinimumIsRefusedAndShowsTheMinimum) {
  ClickTab(kClocksPage);
  ChooseEntry(IDC_CLOCKS_MCLK_DIVIDE, "4:1");  // MCLK 12.5 MHz
  ClickTab(kPanelPage);
  EXPECT_EQ(SpinLowest(IDC_PANEL_HORIZ_TOTAL_SPIN), 328);
  ChooseEntry(IDC_PANEL_PIXEL_CLOCK, "65.000   (65.000/1)");  // minHT 368
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "352");
  StepSpin(IDC_PANEL_VERT_TOTAL_SPIN, 1);
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel Horizontal Total!"});
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "368");
  EXPECT_EQ(GetHorizTotal(config), 352u);
  EXPECT_EQ(GetVertTotal(config), 252u) << "the other rules still run";
  EXPECT_EQ(FocusId(), IDC_PANEL_HORIZ_TOTAL);
  StepSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, 8);
  EXPECT_EQ(GetHorizTotal(config), 376u);
}

TEST_F(PanelPageTest, LeavingRefusesAnEmptyHeightButOnlyWarnsAboutTheTotals) {
  TypeInto(IDC_PANEL_HEIGHT, "");
  EXPECT_FALSE(LeavePage());
  EXPECT_EQ(PageIndex(), kPanelPage);
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel height!"});
  EXPECT_EQ(FocusId(), IDC_PANEL_HEIGHT);
  // The refused page keeps its boxes' keys.
  TypeInto(IDC_PANEL_HEIGHT, "240");
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_PANEL_HORIZ_TOTAL);

  messages.Clear();
  StepSpin(IDC_PANEL_VERT_TOTAL_SPIN, -11);
  EXPECT_EQ(GetVertTotal(config), 240u);
  EXPECT_TRUE(LeavePage());
  EXPECT_EQ(Messages(), Texts{kTooShort});
  EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconWarning));
}

TEST_F(PanelPageTest, LeavingReportsAHandSetRegisterItRecalculated) {
  MarkRegisterModified(config, REG_HORIZ_TOTAL);  // set on the Registers page
  TakeRegisterSnapshot(config);
  StepSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, 8);
  EXPECT_TRUE(Messages().empty());
  ASSERT_TRUE(LeavePage());
  EXPECT_EQ(Messages(),
            Texts{"The following manually modified registers were recalculated:\n12h "});
}

TEST_F(PanelPageTest, PolarityChoicesAreTakenWhenThePageIsLeft) {
  ClickButton(IDC_PANEL_TFT);  // shows both "(lo)", registers unchanged
  ASSERT_TRUE(LeavePage());
  EXPECT_EQ(GetRegister(REG_HSYNC_PULSE_WIDTH), 0x07u);
  EXPECT_EQ(GetRegister(REG_VSYNC_PULSE_WIDTH), 0x00u);
  ClickTab(kPanelPage);
  EXPECT_TRUE(Checked(IDC_PANEL_FPLINE_LOW) && Checked(IDC_PANEL_FPFRAME_LOW));
}

TEST_F(PanelPageTest, EveryShippedPanelIsWrittenAndStillMatchedWhenThePageReturns) {
  const PanelList& panels = PredefinedPanels();
  ASSERT_GT(panels.Count(), 0) << "PANELS.DEF beside the test program";
  for (int i = 0; i < panels.Count(); ++i) {
    const PanelRecord& panel = panels.At(i);
    SCOPED_TRACE(panel.Name());
    ChooseEntry(IDC_PANEL_PREDEFINED, i);
    EXPECT_EQ(Selected(IDC_PANEL_PREDEFINED), i);
    EXPECT_EQ(Text(IDC_PANEL_STATUS), "");
    EXPECT_EQ(GetPanelType(config) + 1, static_cast<unsigned>(panel.Type()));
    EXPECT_EQ(GetPanelWidth(config), static_cast<uint32_t>(panel.Width()));
    EXPECT_EQ(GetPanelHeight(config), static_cast<uint32_t>(panel.Height()));
    EXPECT_EQ(GetHorizTotal(config), static_cast<uint32_t>(panel.HorizTotal()));
    EXPECT_EQ(GetVertTotal(config), static_cast<uint32_t>(panel.VertTotal()));
    EXPECT_EQ(GetHorizStart(config), static_cast<uint32_t>(panel.HorizStart()));
    EXPECT_EQ(GetPixelClock(config), static_cast<uint32_t>(panel.PixelClock()));
    EXPECT_EQ(Text(IDC_PANEL_WIDTH), std::to_string(panel.Width()));
    EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), std::to_string(panel.HorizTotal()));
    // The panel's own polarities, shown and kept.
    EXPECT_EQ(Checked(IDC_PANEL_FPLINE_HIGH), panel.FplinePolarity() == 1);
    EXPECT_EQ(Checked(IDC_PANEL_FPFRAME_HIGH), panel.FpframePolarity() == 1);
    ReopenPage();
    EXPECT_EQ(Selected(IDC_PANEL_PREDEFINED), i);
    EXPECT_EQ(GetFplineHigh(config), panel.FplinePolarity() == 1);
    EXPECT_EQ(GetFpframeHigh(config), panel.FpframePolarity() == 1);
    if (panel.Type() == kPanelRecordKVrx) {
      EXPECT_EQ(Text(IDC_PANEL_RESOLUTION_160), "160x240");
      EXPECT_TRUE(Checked(IDC_PANEL_RESOLUTION_160));
      EXPECT_EQ(GetRegister(REG_GPIO_CONFIG0) & 0x40, 0x40u);
      EXPECT_EQ(GetRegister(REG_GPIO_STATUS_CONTROL0) & 0x40, 0x40u);
    }
  }
  // "Custom Panel" changes nothing.
  HAL_STRUCT before = WorkingRecord;
  ChooseEntry(IDC_PANEL_PREDEFINED, panels.Count());
  EXPECT_EQ(memcmp(&before, &WorkingRecord, sizeof before), 0);
}

TEST_F(PanelPageTest, KVrxBitsStaySetWhenAnotherTypeIsChosenLater) {
  ClickButton(IDC_PANEL_KVRX);
  ASSERT_TRUE(LeavePage());
  EXPECT_EQ(GetRegister(REG_GPIO_CONFIG0) & 0x40, 0x40u);
  ClickTab(kPanelPage);
  ClickButton(IDC_PANEL_STN);
  ASSERT_TRUE(LeavePage());
  EXPECT_EQ(GetRegister(REG_GPIO_CONFIG0) & 0x40, 0x40u);
  EXPECT_EQ(GetRegister(REG_GPIO_STATUS_CONTROL0) & 0x40, 0x40u);
  EXPECT_EQ(GetRegister(REG_GPIO_CONFIG1), 0x80u);
}

TEST_F(PanelPageTest, StatusLineIsRedForAMissingPixelClockAndBlueForAFoundMatch) {
  ClickTab(kClocksPage);
  TypeInto(IDC_CLOCKS_CLKI2, "14.318");  // the pixel clock's source is now fixed
  ClickTab(kPanelPage);
  ChooseEntry(IDC_PANEL_PREDEFINED, "TFT 320x240 9-bit");
  EXPECT_EQ(Text(IDC_PANEL_STATUS), "Could not change pixel clock to \" 6.250\".");
  int mode = 0;
  EXPECT_EQ(TextColour(IDC_PANEL_STATUS, &mode), kStatusRed);
  EXPECT_EQ(mode, TRANSPARENT);
  EXPECT_EQ(GetPanelType(config), unsigned(kPanelTft));
  ChooseEntry(IDC_PANEL_PREDEFINED, "Custom Panel");
  EXPECT_EQ(Text(IDC_PANEL_STATUS), "Could not change pixel clock to \" 6.250\".");

  ClickTab(kClocksPage);
  ChooseEntry(IDC_CLOCKS_CLKI2, "Auto");
  ClickTab(kPanelPage);
  ChooseEntry(IDC_PANEL_PREDEFINED, "Mono STN 320x240 4-bit");
  ClickButton(IDC_PANEL_COLOR);
  EXPECT_EQ(Text(IDC_PANEL_PREDEFINED), "Color STN 320x240 4-bit");
  EXPECT_EQ(Text(IDC_PANEL_STATUS), "Found a match!");
  EXPECT_EQ(TextColour(IDC_PANEL_STATUS), kNoteColour);
}

namespace {

// Counts the loss-of-focus notifications the width list sends the page.
int g_widthFocusLosses = 0;
LRESULT CALLBACK CountWidthFocusLosses(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_PANEL_WIDTH && HIWORD(wParam) == CBN_KILLFOCUS)
    ++g_widthFocusLosses;
  return DefSubclassProc(window, message, wParam, lParam);
}

// A message box takes the focus from the width box while it is up.
HWND g_widthEdit = nullptr;
bool g_showingDuringBox = false;
int g_lossesDuringBox = -1;
int BoxTakingTheFocus(void*, unsigned style, const char*) {
  g_showingDuringBox = FieldMessageShowing();
  int before = g_widthFocusLosses;
  SendMessageA(g_widthEdit, WM_KILLFOCUS, 0, 0);
  g_lossesDuringBox = g_widthFocusLosses - before;
  return DefaultAnswer(style);
}

}  // namespace

TEST_F(PanelPageTest, WidthBoxIgnoresTheLossOfFocusToAnErrorBox) {
  SetWindowSubclass(Page(), CountWidthFocusLosses, 1, 0);
  TypeInto(IDC_PANEL_WIDTH, "7");
  g_widthEdit = GetFocus();
  MessagePresenter previous = UseMessageBoxes(BoxTakingTheFocus);
  PressKey(VK_RETURN);
  UseMessageBoxes(previous);
  EXPECT_TRUE(g_showingDuringBox);
  EXPECT_EQ(g_lossesDuringBox, 0);
  EXPECT_EQ(FocusId(), IDC_PANEL_WIDTH);
  // Without a box the loss of the focus reaches the list as ever.
  int before = g_widthFocusLosses;
  SendMessageA(g_widthEdit, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(g_widthFocusLosses, before + 1);
  RemoveWindowSubclass(Page(), CountWidthFocusLosses, 1);
}

// A user opens the demonstration program, chooses a shipped TFT panel and
// saves; the program then drives the virtual board with that panel.
TEST_F(PanelPageTest, ChosenPanelSavedIntoTheProgramDrivesTheVirtualBoard) {
  TempDir folder;
  std::string program = WindowsPath(folder.File("DEMO.EXE"));
  ASSERT_TRUE(CopyFileA(BuiltBmpProgram().c_str(), program.c_str(), FALSE));
  chosenFiles.push_back(program);
  Menu(IDM_FILE_OPEN);
  ASSERT_EQ(Caption().rfind("56420CFG : ", 0), 0u);
  ChooseEntry(IDC_PANEL_PREDEFINED, "TFT 640x480 18-bit");
  ASSERT_EQ(GetPanelWidth(config), 640u);
  // 640 x 480 fits the display memory at 2 bits per pixel, not at 8: leaving
  // the page says so once.
  ASSERT_TRUE(ClickTab(kPreferencePage));
  EXPECT_EQ(Messages().size(), 1u);
  ClickButton(IDC_PREFERENCE_2BPP);
  Menu(IDM_FILE_SAVE);

  std::string picture = folder.File("picture.bmp");
  ASSERT_TRUE(WriteFileBytes(picture, EncodeTestBmp(MakeTestPicture(64, 48, 2, 3))));
  std::string board = folder.File("board");
  std::string output;
  ASSERT_EQ(RunBmpProgram(program, WindowsPath(picture), board, &output), 0) << output;
  // panel.png: its header gives the size the panel showed.
  std::string png = ReadFileBytes(board + "/panel.png");
  ASSERT_GE(png.size(), 24u) << output;
  auto bigEndian = [&png](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(png[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(png[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(png[at + 2])) << 8 |
           static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(bigEndian(16), 640u);
  EXPECT_EQ(bigEndian(20), 480u);
}
