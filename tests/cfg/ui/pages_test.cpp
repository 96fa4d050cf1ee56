// The General, Preference, Clocks and Panel Power pages in the real window:
// what they show for a record, what the user's clicks and keys change, and
// the refusals that keep a page open.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include "cfg/panel/clocks.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "tests/cfg/ui/window_driver.h"

using Texts = std::vector<std::string>;

namespace {

const char kRecalculated[] = "The following manually modified registers were recalculated:\n";

class PagesTest : public MainWindowTest {
 protected:
  // The colour a static control of the open page is drawn in.
  COLORREF TextColour(int id) {
    HDC dc = GetDC(Page());
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(Page(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(GetDlgItem(Page(), id)));
    COLORREF colour = GetTextColor(dc);
    ReleaseDC(Page(), dc);
    return colour;
  }
  // The Registers page marks a register set by hand, and takes its snapshot
  // as it closes.
  void SetByHand(unsigned index) {
    MarkRegisterModified(config, index);
    TakeRegisterSnapshot(config);
  }
  uint32_t StartAddress() {
    return GetRegister(REG_MAIN_WIN_DISP_START_ADDR0) |
           GetRegister(REG_MAIN_WIN_DISP_START_ADDR1) << 8 |
           GetRegister(REG_MAIN_WIN_DISP_START_ADDR2) << 16;
  }
  uint32_t LineOffset() {
    return GetRegister(REG_MAIN_WIN_ADDR_OFFSET0) | GetRegister(REG_MAIN_WIN_ADDR_OFFSET1) << 8;
  }
  // Leaves the page and comes back to it.
  void ReopenPage() {
    int index = PageIndex();
    ASSERT_TRUE(ClickTab(index == kGeneralPage ? kPanelPage : kGeneralPage));
    ASSERT_TRUE(ClickTab(index));
  }
};

const int kPlatformIds[] = {IDC_GENERAL_EVALUATION_BOARD, IDC_GENERAL_IDP68000,
                            IDC_GENERAL_IDP68032,         IDC_GENERAL_SH3_LCEVB,
                            IDC_GENERAL_DSP56654,         IDC_GENERAL_USER_DEFINED};

}  // namespace

// ---- General

TEST_F(PagesTest, GeneralOnTheDefaultRecordShowsTheEvaluationBoardWithEmptyDisabledFields) {
  EXPECT_EQ(Text(IDC_GENERAL_EVALUATION_BOARD), "Vantor &QEB56420A/B");
  EXPECT_EQ(Text(IDC_GENERAL_DSP56654), "Motorola DSP56654 (\"&RedCap\")");
  EXPECT_TRUE(Checked(IDC_GENERAL_EVALUATION_BOARD));
  for (int id : kPlatformIds) {
    if (id != IDC_GENERAL_EVALUATION_BOARD) {
      EXPECT_FALSE(Checked(id)) << id;
    }
  }
  for (int field : {IDC_GENERAL_REGISTER_ADDRESS, IDC_GENERAL_DISPLAY_BUFFER_ADDRESS}) {
    EXPECT_EQ(Text(field), "");
    EXPECT_FALSE(Enabled(field));
  }
  EXPECT_EQ(TextColour(IDC_GENERAL_NOTE), kNoteColour);
}

TEST_F(PagesTest, GeneralShowsTheRecordsPlatformOrItsOwnAddresses) {
  WorkingRecord.RegAddr = 0xF80000;
  WorkingRecord.DispMemAddr = 0xF00000;
  StartAgain();
  EXPECT_TRUE(Checked(IDC_GENERAL_IDP68000));
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "f80000");
  EXPECT_EQ(Text(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS), "f00000");
  EXPECT_FALSE(Enabled(IDC_GENERAL_REGISTER_ADDRESS));

  WorkingRecord.DispMemAddr = 0xABC000;
  StartAgain();
  EXPECT_TRUE(Checked(IDC_GENERAL_USER_DEFINED));
  EXPECT_TRUE(Enabled(IDC_GENERAL_REGISTER_ADDRESS));
  EXPECT_TRUE(Enabled(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS));
  EXPECT_EQ(Text(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS), "abc000");
}

TEST_F(PagesTest, GeneralPlatformClicksFillTheFieldsUserDefinedKeepsThem) {
  ClickButton(IDC_GENERAL_SH3_LCEVB);
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "14000000");
  EXPECT_EQ(Text(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS), "14200000");
  EXPECT_FALSE(Enabled(IDC_GENERAL_REGISTER_ADDRESS));
  ClickButton(IDC_GENERAL_USER_DEFINED);
  EXPECT_TRUE(Enabled(IDC_GENERAL_REGISTER_ADDRESS));
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "14000000");
  TypeInto(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS, "1000");
  ASSERT_TRUE(ClickTab(kPreferencePage));
  EXPECT_EQ(WorkingRecord.RegAddr, 0x14000000u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0x1000u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PagesTest, GeneralEvaluationBoardStoresZeroWhateverTheFieldsShowed) {
  WorkingRecord.RegAddr = 0x1234;
  WorkingRecord.DispMemAddr = 0x5678;
  StartAgain();
  TypeInto(IDC_GENERAL_REGISTER_ADDRESS, "zzz");
  ClickButton(IDC_GENERAL_EVALUATION_BOARD);
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "");
  ASSERT_TRUE(ClickTab(kClocksPage));
  EXPECT_EQ(WorkingRecord.RegAddr, 0u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0u);
}

TEST_F(PagesTest, GeneralRefusesABadSecondFieldAfterTakingTheFirst) {
  ClickButton(IDC_GENERAL_USER_DEFINED);
  TypeInto(IDC_GENERAL_REGISTER_ADDRESS, "1000");
  TypeInto(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS, "0");
  EXPECT_FALSE(ClickTab(kClocksPage));
  EXPECT_EQ(Messages(), Texts{"Non-zero hexadecimal value required!"});
  EXPECT_EQ(FocusId(), IDC_GENERAL_DISPLAY_BUFFER_ADDRESS);
  EXPECT_EQ(WorkingRecord.RegAddr, 0x1000u);
}

// ---- Preference

TEST_F(PagesTest, PreferenceShowsTheRecordAndKeepsStartAndOffsetInStep) {
  ClickTab(kPreferencePage);
  EXPECT_TRUE(Checked(IDC_PREFERENCE_ROTATE_0));
  EXPECT_TRUE(Checked(IDC_PREFERENCE_8BPP));  // REG[70h] = 03h
  EXPECT_FALSE(Checked(IDC_PREFERENCE_SOFTWARE_INVERT));
  EXPECT_FALSE(Checked(IDC_PREFERENCE_HARDWARE_INVERT));
  EXPECT_EQ(TextColour(IDC_PREFERENCE_NOTE), kNoteColour);

  ClickButton(IDC_PREFERENCE_ROTATE_90);  // 320 x 240 at 8 bpp
  EXPECT_EQ(GetRegister(REG_SPECIAL_EFFECTS) & 3, 1u);
  EXPECT_EQ(StartAddress(), 59u);
  EXPECT_EQ(LineOffset(), 60u);
  ClickButton(IDC_PREFERENCE_2BPP);
  EXPECT_EQ(LineOffset(), 15u);
  EXPECT_EQ(StartAddress(), 14u);
  ClickButton(IDC_PREFERENCE_ROTATE_180);
  EXPECT_FALSE(Checked(IDC_PREFERENCE_ROTATE_90));
  ClickButton(IDC_PREFERENCE_HARDWARE_INVERT);
  EXPECT_EQ(GetRegister(REG_DISPLAY_MODE), 0x21u);
  ClickButton(IDC_PREFERENCE_SOFTWARE_INVERT);
  ClickButton(IDC_PREFERENCE_HARDWARE_INVERT);
  EXPECT_EQ(GetRegister(REG_DISPLAY_MODE), 0x11u);

  ReopenPage();
  EXPECT_TRUE(Checked(IDC_PREFERENCE_ROTATE_180));
  EXPECT_TRUE(Checked(IDC_PREFERENCE_2BPP));
  EXPECT_FALSE(Checked(IDC_PREFERENCE_8BPP));
  EXPECT_TRUE(Checked(IDC_PREFERENCE_SOFTWARE_INVERT));
}

TEST_F(PagesTest, PreferenceReportsAHandSetRegisterItRecalculated) {
  SetByHand(REG_MAIN_WIN_ADDR_OFFSET0);
  SetByHand(REG_SPECIAL_EFFECTS);
  ClickTab(kPreferencePage);
  ClickButton(IDC_PREFERENCE_ROTATE_0);  // nothing changes
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_TRUE(Messages().empty());
  ClickTab(kPreferencePage);
  ClickButton(IDC_PREFERENCE_ROTATE_90);
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_EQ(Messages(), Texts{std::string(kRecalculated) + "71h 78h "});
}

// ---- Clocks

TEST_F(PagesTest, ClocksOnTheDefaultRecord) {
  ClickTab(kClocksPage);
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI), "Auto");
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI2), "Auto");
  EXPECT_EQ(Entries(IDC_CLOCKS_CLKI).size(), 25u);
  EXPECT_EQ(Entries(IDC_CLOCKS_CLKI)[3], "14.318");
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI_AUTO), " 50.000 MHz");
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI2_AUTO), " 50.000 MHz");
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_SOURCE), "CLKI2");
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_DIVIDE), "Auto");
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_TIMING), " 6.250 MHz");
  EXPECT_EQ(Entries(IDC_CLOCKS_BCLK_SOURCE), Texts{"CLKI"});
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_DIVIDE), "1:1");
  EXPECT_EQ(Entries(IDC_CLOCKS_BCLK_DIVIDE), (Texts{"1:1", "2:1", "3:1", "4:1"}));
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_TIMING), " 50.000 MHz");
  EXPECT_EQ(Text(IDC_CLOCKS_MCLK_TIMING), " 50.000 MHz");
  EXPECT_EQ(Text(IDC_CLOCKS_CV_SOURCE), " CLKI");
  EXPECT_EQ(Entries(IDC_CLOCKS_PWM_DIVIDE).back(), "4096:1");
  EXPECT_EQ(Entries(IDC_CLOCKS_BURST_LENGTH).size(), 256u);
  for (int id : {IDC_CLOCKS_NOTE, IDC_CLOCKS_CLKI_AUTO, IDC_CLOCKS_PCLK_TIMING,
                 IDC_CLOCKS_CV_TIMING, IDC_CLOCKS_CV_SOURCE})
    EXPECT_EQ(TextColour(id), kNoteColour) << id;
}

TEST_F(PagesTest, ClocksTypedAndChosenInputClocksReachTheRecordAtOnce) {
  ClickTab(kClocksPage);
  TypeInto(IDC_CLOCKS_CLKI, "14.318");
  EXPECT_EQ(WorkingRecord.ClkI, 14318u);
  EXPECT_TRUE(WorkingRecord.Flags & fFIXED_CLKI);
  EXPECT_EQ(WorkingRecord.BusClk, 14318u);
  EXPECT_EQ(config.FixedClkI, 14318u);
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI_AUTO), " 14.318 MHz");  // typed text, no entry chosen
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI), "14.318");
  TypeInto(IDC_CLOCKS_CLKI, "abc");
  EXPECT_EQ(WorkingRecord.ClkI, 14318u);
  ChooseEntry(IDC_CLOCKS_CLKI, "25.000");
  EXPECT_EQ(WorkingRecord.ClkI, 25000u);
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI_AUTO), "");
  ChooseEntry(IDC_CLOCKS_BCLK_DIVIDE, "2:1");
  EXPECT_EQ(WorkingRecord.BusClk, 12500u);
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_TIMING), " 12.500 MHz");
  ChooseEntry(IDC_CLOCKS_CLKI, "Auto");
  EXPECT_FALSE(WorkingRecord.Flags & fFIXED_CLKI);
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI_AUTO), " 25.000 MHz");
}

TEST_F(PagesTest, ClocksLeavingWritesTheClockRegisters) {
  ClickTab(kClocksPage);
  ChooseEntry(IDC_CLOCKS_PWM_SOURCE, "CLKI2");
  ChooseEntry(IDC_CLOCKS_PWM_DIVIDE, "4096:1");
  ChooseEntry(IDC_CLOCKS_CV_DIVIDE, "4:1");
  ChooseEntry(IDC_CLOCKS_BURST_LENGTH, "256");
  ChooseEntry(IDC_CLOCKS_DUTY_CYCLE, "128");
  ChooseEntry(IDC_CLOCKS_MCLK_DIVIDE, "2:1");
  ChooseEntry(IDC_CLOCKS_PCLK_SOURCE, "MCLK");
  ChooseEntry(IDC_CLOCKS_PCLK_DIVIDE, "8:1");
  EXPECT_EQ(Text(IDC_CLOCKS_CV_SOURCE), " CLKI2");
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_TIMING), " 3.125 MHz");
  ClickButton(IDC_CLOCKS_PWM_ENABLE);
  ClickButton(IDC_CLOCKS_CV_FORCE_HIGH);
  ASSERT_TRUE(ClickTab(kPanelPowerPage));
  EXPECT_EQ(GetRegister(0xB1), 0xC5u);
  EXPECT_EQ(GetRegister(0xB2), 0xFFu);
  EXPECT_EQ(GetRegister(0xB3), 128u);
  EXPECT_EQ(GetRegister(0xB0), 0x18u);
  EXPECT_EQ(GetRegister(REG_BUSCLK_MEMCLK_CONFIG), 0x10u);
  EXPECT_EQ(GetRegister(REG_PCLK_CONFIG), 0x40u);
  EXPECT_TRUE(WorkingRecord.Flags & fFIXED_DIVPCLK);

  ClickTab(kClocksPage);
  EXPECT_EQ(Text(IDC_CLOCKS_PWM_DIVIDE), "4096:1");
  EXPECT_EQ(Text(IDC_CLOCKS_BURST_LENGTH), "256");
  EXPECT_TRUE(Checked(IDC_CLOCKS_PWM_ENABLE));
  EXPECT_TRUE(Checked(IDC_CLOCKS_CV_FORCE_HIGH));
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_DIVIDE), "8:1");
}

TEST_F(PagesTest, ClocksRefusesAnInputClockThatWouldStopTheBusClock) {
  ClickTab(kClocksPage);
  TypeInto(IDC_CLOCKS_CLKI, "0.0001");
  EXPECT_FALSE(ClickTab(kGeneralPage));
  EXPECT_EQ(PageIndex(), kClocksPage);
  EXPECT_EQ(Messages(), Texts{"ERROR: CLKI Timing!"});
  EXPECT_EQ(FocusId(), IDC_CLOCKS_CLKI);
  EXPECT_EQ(WorkingRecord.BusClk, 50000u);
}

TEST_F(PagesTest, ClocksCtrlShiftRightDoubleClickOffersClki2AsBusSource) {
  ClickTab(kClocksPage);
  TypeInto(IDC_CLOCKS_CLKI2, "40");
  SendMessageA(Page(), WM_RBUTTONDBLCLK, MK_RBUTTON | MK_CONTROL, MAKELPARAM(5, 5));
  EXPECT_EQ(Entries(IDC_CLOCKS_BCLK_SOURCE), Texts{"CLKI"});
  SendMessageA(Page(), WM_RBUTTONDBLCLK, MK_RBUTTON | MK_CONTROL | MK_SHIFT, MAKELPARAM(5, 5));
  PumpMessages();
  EXPECT_EQ(Entries(IDC_CLOCKS_BCLK_SOURCE), (Texts{"CLKI", "CLKI2"}));
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_SOURCE), "CLKI2");
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_EQ(GetRegister(REG_BUSCLK_MEMCLK_CONFIG) & 1, 1u);
  EXPECT_EQ(WorkingRecord.BusClk, 40000u);
  ClickTab(kClocksPage);
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_SOURCE), "CLKI2");
  EXPECT_EQ(Entries(IDC_CLOCKS_BCLK_DIVIDE), Texts{"1:1"});
}

TEST_F(PagesTest, ClocksReportsAHandSetRegisterRecalculatedOnLeaving) {
  SetByHand(REG_PCLK_CONFIG);
  SetByHand(REG_BUSCLK_MEMCLK_CONFIG);
  ClickTab(kClocksPage);
  ChooseEntry(IDC_CLOCKS_PCLK_SOURCE, "MCLK");
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_EQ(Messages(), Texts{std::string(kRecalculated) + "5h "});
}

// ---- Panel Power

TEST_F(PagesTest, PanelPowerTakesDelaysUpTo65535AndRefusesMore) {
  WorkingRecord.PowerOffDelay = 5;
  WorkingRecord.PowerOnDelay = 65535;
  ClickTab(kPanelPowerPage);
  EXPECT_EQ(Text(IDC_POWER_OFF_DELAY), "5");
  EXPECT_EQ(Text(IDC_POWER_ON_DELAY), "65535");
  TypeInto(IDC_POWER_ON_DELAY, "65536");
  TypeInto(IDC_POWER_OFF_DELAY, "");
  EXPECT_FALSE(ClickTab(kGeneralPage));
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel Power Connect Time!"});
  EXPECT_EQ(messages.Messages()[0].style & 0xF0, 0x10u);  // error icon
  EXPECT_EQ(FocusId(), IDC_POWER_ON_DELAY);
  TypeInto(IDC_POWER_ON_DELAY, "1.5");
  TypeInto(IDC_POWER_OFF_DELAY, "7x");
  EXPECT_FALSE(ClickTab(kGeneralPage));
  EXPECT_EQ(Messages().back(), "ERROR: Panel Power Disconnect Time!");
  EXPECT_EQ(FocusId(), IDC_POWER_OFF_DELAY);
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 15u);
  TypeInto(IDC_POWER_OFF_DELAY, "");
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_EQ(WorkingRecord.PowerOffDelay, 0u);
}
