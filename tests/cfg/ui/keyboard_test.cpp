// Every control of the pages is reachable from the keyboard: by Tab, and by
// Alt and the letter its label underlines.
#include <ctype.h>
#include <string.h>

#include <set>

#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "tests/cfg/ui/window_driver.h"

namespace {

struct Mnemonic {
  char letter;
  int control;  // the control that gets the focus
};

class KeyboardTest : public MainWindowTest {
 protected:
  void ExpectMnemonics(std::initializer_list<Mnemonic> mnemonics) {
    for (const Mnemonic& mnemonic : mnemonics) {
      SetFocus(Tabs());
      PressAltKey(mnemonic.letter);
      EXPECT_EQ(FocusId(), mnemonic.control) << "Alt+" << mnemonic.letter;
    }
  }
  // The controls Tab visits, going round the page from its first control.
  std::set<int> TabbedControls() {
    std::set<int> seen;
    SetFocus(Tabs());
    for (int presses = 0; presses < 60; ++presses) {
      PressKey(VK_TAB);
      if (GetFocus() == Tabs() || !IsChild(Page(), GetFocus())) continue;
      seen.insert(FocusId());
    }
    return seen;
  }
  // Enabled tab stops of the page, and radio groups by their checked button.
  std::set<int> TabStops() {
    std::set<int> stops;
    for (HWND child = GetWindow(Page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      LONG style = GetWindowLongA(child, GWL_STYLE);
      bool radio = (style & 0x0F) == BS_AUTORADIOBUTTON;
      char className[32] = "";
      GetClassNameA(child, className, sizeof className);
      bool button = lstrcmpiA(className, "Button") == 0;
      if (!IsWindowEnabled(child) || !IsWindowVisible(child)) continue;
      if ((style & WS_TABSTOP) && !(button && radio)) stops.insert(GetDlgCtrlID(child));
      if (button && radio && SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED)
        stops.insert(GetDlgCtrlID(child));
    }
    return stops;
  }
};

}  // namespace

TEST_F(KeyboardTest, GeneralPage) {
  ExpectMnemonics({{'u', IDC_GENERAL_USER_DEFINED},
                   {'g', IDC_GENERAL_REGISTER_ADDRESS},
                   {'d', IDC_GENERAL_DISPLAY_BUFFER_ADDRESS},
                   {'i', IDC_GENERAL_IDP68000},
                   {'3', IDC_GENERAL_IDP68032},
                   {'t', IDC_GENERAL_SH3_LCEVB},
                   {'r', IDC_GENERAL_DSP56654},
                   {'q', IDC_GENERAL_EVALUATION_BOARD}});
  EXPECT_TRUE(Checked(IDC_GENERAL_EVALUATION_BOARD));
  EXPECT_EQ(TabbedControls(), TabStops());
  ClickButton(IDC_GENERAL_USER_DEFINED);
  std::set<int> stops = TabStops();
  EXPECT_EQ(stops.count(IDC_GENERAL_REGISTER_ADDRESS), 1u);
  EXPECT_EQ(TabbedControls(), stops);
}

TEST_F(KeyboardTest, PreferencePage) {
  ClickTab(kPreferencePage);
  ExpectMnemonics({{'9', IDC_PREFERENCE_ROTATE_90},
                   {'8', IDC_PREFERENCE_ROTATE_180},
                   {'2', IDC_PREFERENCE_ROTATE_270},
                   {'0', IDC_PREFERENCE_ROTATE_0},
                   {'1', IDC_PREFERENCE_1BPP},
                   {'b', IDC_PREFERENCE_2BPP},
                   {'4', IDC_PREFERENCE_4BPP},
                   {'6', IDC_PREFERENCE_16BPP},
                   {'p', IDC_PREFERENCE_8BPP},
                   {'s', IDC_PREFERENCE_SOFTWARE_INVERT},
                   {'w', IDC_PREFERENCE_HARDWARE_INVERT}});
  EXPECT_TRUE(Checked(IDC_PREFERENCE_ROTATE_0));
  EXPECT_TRUE(Checked(IDC_PREFERENCE_8BPP));
  EXPECT_EQ(TabbedControls(), TabStops());
}

TEST_F(KeyboardTest, ClocksPage) {
  ClickTab(kClocksPage);
  ExpectMnemonics({{'t', IDC_CLOCKS_CLKI},
                   {'2', IDC_CLOCKS_CLKI2},
                   {'s', IDC_CLOCKS_PCLK_SOURCE},
                   {'d', IDC_CLOCKS_PCLK_DIVIDE},
                   {'o', IDC_CLOCKS_BCLK_SOURCE},
                   {'i', IDC_CLOCKS_BCLK_DIVIDE},
                   {'m', IDC_CLOCKS_MCLK_DIVIDE},
                   {'n', IDC_CLOCKS_PWM_ENABLE},
                   {'g', IDC_CLOCKS_PWM_FORCE_HIGH},
                   {'r', IDC_CLOCKS_PWM_SOURCE},
                   {'e', IDC_CLOCKS_PWM_DIVIDE},
                   {'u', IDC_CLOCKS_DUTY_CYCLE},
                   {'a', IDC_CLOCKS_CV_ENABLE},
                   {'c', IDC_CLOCKS_CV_FORCE_HIGH},
                   {'b', IDC_CLOCKS_BURST_LENGTH}});
  EXPECT_EQ(TabbedControls(), TabStops());
}

TEST_F(KeyboardTest, PanelPowerPage) {
  ClickTab(kPanelPowerPage);
  ExpectMnemonics({{'i', IDC_POWER_OFF_DELAY}, {'n', IDC_POWER_ON_DELAY}});
  EXPECT_EQ(TabbedControls(), TabStops());
}

TEST_F(KeyboardTest, PanelPage) {
  ClickTab(kPanelPage);
  EXPECT_EQ(TabbedControls(), TabStops());
  ExpectMnemonics({{'w', IDC_PANEL_WIDTH},
                   {'e', IDC_PANEL_HEIGHT},
                   {'a', IDC_PANEL_FRAME_RATE},
                   {'p', IDC_PANEL_PIXEL_CLOCK},
                   {'d', IDC_PANEL_PREDEFINED},
                   {'m', IDC_PANEL_MONO},
                   {'c', IDC_PANEL_COLOR},
                   {'r', IDC_PANEL_HRTFT},
                   {'k', IDC_PANEL_KVRX},
                   {'t', IDC_PANEL_TFT},
                   {'s', IDC_PANEL_STN}});
}

// The menu bar's letters (Alt+F, Alt+V, Alt+H) belong to the menus on every
// page: no control of a page underlines one of them.
TEST_F(KeyboardTest, NoPageTakesTheMenuBarsLetters) {
  for (int page = 0; page < kPageCount; ++page) {
    ClickTab(page);
    for (HWND child = GetWindow(Page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char text[256] = "";
      GetWindowTextA(child, text, sizeof text);
      const char* mark = strchr(text, '&');
      char letter = mark ? static_cast<char>(tolower(static_cast<unsigned char>(mark[1]))) : 0;
      EXPECT_TRUE(letter != 'f' && letter != 'v' && letter != 'h')
          << kPages[page].tabText << " " << text;
    }
  }
}
