// The tooltips under Wine: the text of every control by id, the tab tips with
// their own hit test, the switch in the Help menu and the tip window itself.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include "cfg/ui/tooltips.h"

#include <map>

#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/tooltip_texts.h"
#include "tests/cfg/ui/window_driver.h"

namespace {

const char kDepth[] = "Selects initial color depth for panels.\n   REG[70h]";
const char kResolution[] = "Select Active Resolution for K-VRXs and HR-TFT Panels.\n   REG[10h]";
const char kWidth[] = "Panel Data Width Size.\n   REG[10h]";
const char kLine[] = "LCD FPLINE Polarity Select.\n   REG[20h]";
const char kFrame[] = "LCD FPFRAME Polarity Select.\n   REG[24h]";
const char kHTotal[] = "Panel horizontal total (in 8 pixel increments).\n   REG[12h]";
const char kVTotal[] = "Panel vertical total in lines.\n   REG[18h] and REG[19h]";
const char kHStart[] =
    "Panel horizontal display start position (in 1 pixel increment).\n   REG[16h] and REG[17h]";
const char kVStart[] =
    "Panel vertical display start position (in 1 pixel increment).\n   REG[1Eh] and REG[1Fh]";
const char kLineStart[] =
    "Delay (in 8 pixel increments), from the start of the horizontal non-display period to the "
    "leading edge of the FPLINE pulse.\n   REG[22h] and REG[23h]";
const char kLineWidth[] =
    "Pulse width (in 8 pixel increments) of the FPLINE output signal.\n   REG[20h]";
const char kFrameStart[] =
    "Delay in lines from the start of the vertical non-display period to the leading edge of the "
    "FPFRAME pulse.\n   REG[26h] and REG[27h]";
const char kFrameWidth[] = "Pulse width of the FPFRAME output signal in lines.\n   REG[24h]";

// The tips as the program's users read them, by control id.
const std::map<int, std::string> kExpectedTips = {
    {1416, "Physical addresses of QLC56420 automatically assigned by the system."},
    {1419, "Allows manual entry of physical addresses."},
    {1414, "Selects physical addresses for Motorola IDP 68000 platform."},
    {1459, "Selects physical addresses for Motorola IDP 68030 platform."},
    {1489, "Selects physical addresses for Motorola DSP56654 (\"RedCap\") platform."},
    {1418, "Selects physical addresses for Hitachi SH-3 LCEVB platform."},
    {1314, "Physical address of QLC56420 memory mapped registers."},
    {1315, "Physical address of QLC56420 video buffer."},
    {1389, "Do not rotate LCD display.\n(\"Landscape Mode\")\n   REG[71h]"},
    {1390, "Rotate LCD display 90 degrees.\n(\"Portrait Mode\")\n   REG[71h]"},
    {1391, "Rotate LCD display 180 degrees.\n(\"Flipped Landscape Mode\")\n   REG[71h]"},
    {1392, "Rotate LCD display 270 degrees.\n(\"Flipped Portrait Mode\")\n   REG[71h]"},
    {1444, kDepth},
    {1445, kDepth},
    {1446, kDepth},
    {1447, kDepth},
    {1448, kDepth},
    {1487, "Software Video Invert.\n   REG[70h]"},
    {1488,
     "IMPORTANT NOTE: This option is not available if configured for a Hr-TFT or K-VRX as GPIO0 "
     "is used as an LCD control signal by both panels. This option requires:\n1. CNF3 must be set "
     "to 1 at RESET#\n2. GPIO Pin Input Enable (REG[A9h] bit 7) must be set to 1\n3. CPIO0 Pin IO "
     "Config (REG[A8h] bit 0) must be set to 0\n   REG[70h]"},
    {1338, "Select \"Auto\" to let this program determine optimal CLKI."},
    {1342, "Select \"Auto\" to let this program determine optimal CLKI2."},
    {1505, "Set the source of the pixel clock (LPCLK) for the LCD display.\n   REG[05h]"},
    {1493,
     "Set the divide used to generate the LCD pixel clock (LPCLK) from the LCD pixel clock "
     "source.\n   REG[05h]"},
    {1503, "Set the source of the BUS clock (BCLK) for the LCD display.\n   REG[04h]"},
    {1494, "Set the divide used to generate the BUS clock (BCLK) from the BUS clock source."},
    {1495,
     "Set the divide used to generate the internal memory clock (MCLK) from the MCLK "
     "source.\n   REG[04h]"},
    {1467, "Enables PWM Clock.\n   REG[B0h]"},
    {1466, "Forces PWM Clock High.\n   REG[B0h]"},
    {1507, "Set the source of the PWM clock.\n   REG[B1h]"},
    {1460, "Set the divide from the source of the PWM clock.\n   REG[B1h]"},
    {1464, "PWMOUT Duty Cycle.\n   REG[B3h]"},
    {1468, "Enables CV Clock.\n   REG[B0h]"},
    {1469, "Forces CV Clock High.\n   REG[B0h]"},
    {1462,
     "Set the divide used to generate the Tessel clock (TesselCLK) from the Tessel clock "
     "source.\n   REG[B1h]"},
    {1465, "CV Pulse Burst Length.\n   REG[B2h]"},
    {1475,
     "Time delay (in milliseconds) between turning off the LCD power and turning off the LCD "
     "control signals."},
    {1476,
     "Time delay (in milliseconds) between turning on the LCD control signals and turning on the "
     "LCD power."},
    {1039, "Passive LCD Panel.\n   REG[10h]"},
    {1040, "TFT/K-VRT Panel.\n   REG[10h]"},
    {1424, "Vantor K-VRX Panel.\n   REG[10h]"},
    {1423, "HR-TFT Panel.\n   REG[10h]"},
    {1481, kResolution},
    {1482, kResolution},
    {1042, kWidth},
    {1043, kWidth},
    {1044, kWidth},
    {1036, "Monochrome Panel.\n   REG[10h]"},
    {1037, "Color Panel.\n   REG[10h]"},
    {1038, "Panel Data Format 2. Applicable for 8-bit single color STN panels only.\n   REG[10h]"},
    {1047, kLine},
    {1048, kLine},
    {1045, kFrame},
    {1046, kFrame},
    {1008, "Panel Width in pixels.\n   REG[14h]"},
    {1010, "Panel Height in lines.\n   REG[1Ch] and REG[1Dh]"},
    {1012, kHTotal},
    {1049, kHTotal},
    {1015, kVTotal},
    {1050, kVTotal},
    {1452, kHStart},
    {1456, kHStart},
    {1455, kVStart},
    {1457, kVStart},
    {1025, "Available Frame Rates for the panel"},
    {1027, "Available Pixel Clocks for the panel"},
    {1016, kLineStart},
    {1051, kLineStart},
    {1018, kLineWidth},
    {1052, kLineWidth},
    {1020, kFrameStart},
    {1053, kFrameStart},
    {1023, kFrameWidth},
    {1054, kFrameWidth},
    {1069, "Panel settings based on file PANELS.DEF."},
};

struct Tool {
  HWND window;
  int textId;  // the id the text is asked for by
};

class TooltipsTest : public MainWindowTest {
 protected:
  // Every tool of the tooltip window.
  std::vector<Tool> Tools() {
    std::vector<Tool> tools;
    HWND tips = TooltipWindow();
    int count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TOOLINFOA tool = {};
      tool.cbSize = sizeof tool;
      if (SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)))
        tools.push_back({reinterpret_cast<HWND>(tool.uId), static_cast<int>(tool.lParam)});
    }
    return tools;
  }
  // The text the main window gives when the tooltip window asks for a tool's.
  std::string AskedText(const Tool& tool) {
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = TooltipWindow();
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool.window);
    request.hdr.code = TTN_GETDISPINFOA;
    request.lParam = tool.textId;
    SendMessageA(Main(), WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
    if (!request.lpszText) return "";
    if (request.lpszText == LPSTR_TEXTCALLBACKA) return "<callback>";
    return request.lpszText;
  }
  // The mouse rests on a point of window: the cursor goes there and the move
  // passes through the message loop (and the hook); true when a tip shows.
  bool RestMouseOn(HWND window, POINT point) {
    POINT screen = point;
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    for (int i = 0; i < 100; ++i) {
      PumpMessages();
      if (IsWindowVisible(TooltipWindow())) return true;
      Sleep(30);
    }
    return false;
  }
  POINT TabCentre(int index) {
    RECT tab;
    TabCtrl_GetItemRect(Tabs(), index, &tab);
    return {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
  }
  std::string ShownText() {
    wchar_t text[1024] = L"";
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    if (!SendMessageW(TooltipWindow(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
      return "";
    tool.lpszText = text;
    SendMessageW(TooltipWindow(), TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
    char narrow[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
  }
};

bool IsStatic(HWND window) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Static") == 0;
}

}  // namespace

TEST_F(TooltipsTest, TheTableHoldsEveryTextByIdAndNothingElse) {
  EXPECT_EQ(kTooltipTextCount, static_cast<int>(kExpectedTips.size()));
  for (const auto& tip : kExpectedTips) {
    const char* text = TooltipTextOf(tip.first);
    EXPECT_EQ(text ? std::string(text) : "<none>", tip.second) << tip.first;
  }
  for (int id : {IDC_MAIN_TABS, IDC_GENERAL_NOTE, IDC_CLOCKS_CLKI_AUTO, IDC_STATIC_TEXT, IDOK})
    EXPECT_EQ(TooltipTextOf(id), nullptr) << id;
}

TEST_F(TooltipsTest, EveryNonStaticControlOfEachPageIsAToolWithItsText) {
  HWND tips = TooltipWindow();
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(GetWindow(tips, GW_OWNER), Main());
  EXPECT_TRUE(GetWindowLongA(tips, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(tips, GWL_STYLE) & TTS_ALWAYSTIP);
  EXPECT_EQ(SendMessageA(tips, TTM_GETMAXTIPWIDTH, 0, 0), 300);
  EXPECT_EQ(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 20000);
  size_t generalTools = Tools().size();
  for (int page = 0; page < kPageCount; ++page) {
    ASSERT_TRUE(ClickTab(page));
    std::map<HWND, int> tools;
    for (const Tool& tool : Tools()) tools[tool.window] = tool.textId;
    EXPECT_EQ(tools.count(Tabs()), 1u);
    for (HWND child = GetWindow(Page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      int id = GetDlgCtrlID(child);
      if (IsStatic(child)) {
        EXPECT_EQ(tools.count(child), 0u) << "static " << id << " on page " << page;
        continue;
      }
      ASSERT_EQ(tools.count(child), 1u) << "control " << id << " on page " << page;
      auto expected = kExpectedTips.find(id);
      std::string text = AskedText({child, tools[child]});
      EXPECT_EQ(text, expected == kExpectedTips.end() ? "" : expected->second)
          << "control " << id << " on page " << page;
      // The edit inside a combo box shows the combo box's tip.
      HWND edit = FindWindowExA(child, nullptr, "Edit", nullptr);
      if (edit) {
        ASSERT_EQ(tools.count(edit), 1u) << id;
        EXPECT_EQ(AskedText({edit, tools[edit]}), text) << id;
      }
    }
  }
  // Each page's tools are there once: a page shown again adds none.
  size_t allTools = Tools().size();
  EXPECT_GT(allTools, generalTools);
  for (int page = 0; page < kPageCount; ++page) ASSERT_TRUE(ClickTab(page));
  EXPECT_EQ(Tools().size(), allTools);
  for (const Tool& tool : Tools()) EXPECT_TRUE(IsWindow(tool.window));
}

TEST_F(TooltipsTest, RestingOnATabShowsItsTipAndTheNextTabReplacesIt) {
  ASSERT_TRUE(RestMouseOn(Tabs(), TabCentre(kClocksPage)));
  EXPECT_EQ(ShownText(), "Configure QLC56420 input clocks.");
  // Moving to the next tab removes the shown tip first, then shows that tab's.
  POINT panel = TabCentre(kPanelPage);
  POINT screen = panel;
  ClientToScreen(Tabs(), &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageA(Tabs(), WM_MOUSEMOVE, 0, MAKELPARAM(panel.x, panel.y));
  PumpMessages();
  EXPECT_FALSE(IsWindowVisible(TooltipWindow()));
  ASSERT_TRUE(RestMouseOn(Tabs(), panel));
  EXPECT_EQ(ShownText(), "Configure LCD panel timings");
  // Between the tabs and the page there is no tab: no tip.
  EXPECT_EQ(AskedText({Tabs(), IDC_MAIN_TABS}), "Configure LCD panel timings");
  SetCursorPos(0, 0);
  EXPECT_EQ(AskedText({Tabs(), IDC_MAIN_TABS}), "");
}

TEST_F(TooltipsTest, AControlShowsItsWrappedTipAndTheMenuSwitchesAllTipsOff) {
  ClickTab(kPanelPowerPage);
  HWND field = GetDlgItem(Page(), IDC_POWER_OFF_DELAY);
  ASSERT_TRUE(RestMouseOn(field, {5, 5}));
  EXPECT_EQ(ShownText(), kExpectedTips.at(IDC_POWER_OFF_DELAY));
  RECT tip;
  GetWindowRect(TooltipWindow(), &tip);
  EXPECT_LT(tip.right - tip.left, 340);  // wrapped at 300 pixels of text
  EXPECT_GT(tip.bottom - tip.top, 30);   // on more than one line

  Menu(IDM_HELP_TOOLTIPS);
  EXPECT_FALSE(TooltipsEnabled());
  EXPECT_FALSE(IsWindowVisible(TooltipWindow()));
  SetCursorPos(0, 0);
  PumpMessages();
  EXPECT_FALSE(RestMouseOn(field, {6, 6}));
  EXPECT_FALSE(RestMouseOn(Tabs(), TabCentre(kGeneralPage)));
  EXPECT_EQ(AskedText({field, IDC_POWER_OFF_DELAY}), "");

  Menu(IDM_HELP_TOOLTIPS);
  EXPECT_TRUE(TooltipsEnabled());
  SetCursorPos(0, 0);
  PumpMessages();
  ASSERT_TRUE(RestMouseOn(field, {5, 5}));
  EXPECT_EQ(ShownText(), kExpectedTips.at(IDC_POWER_OFF_DELAY));
}
