// The Registers page and the Modify Register dialog in the real window: the
// list's lines, the dialog opened by a double-click (driven from a timer that
// fires inside the dialog's own message loop), and what OK leaves behind.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <stdlib.h>

#include <functional>

#include "cfg/pages/registers/register_entry.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "tests/cfg/ui/modal_driver.h"
#include "tests/cfg/ui/window_driver.h"

using Texts = std::vector<std::string>;

namespace {

const char kInvalid[] = "ERROR:Invalid value entered!";
const char kRecalculated[] = "The following manually modified registers were recalculated:\n";

using DialogScript = std::function<void(HWND dialog)>;

class RegistersPageTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ClickTab(kRegistersPage);
  }
  HWND Frame() const { return GetDlgItem(Page(), IDC_REGISTERS_FRAME); }
  HWND List() const { return GetDlgItem(Frame(), IDC_REGISTERS_LIST); }
  int LineCount() const { return ListView_GetItemCount(List()); }
  int TopLine() const { return ListView_GetTopIndex(List()); }
  std::string Cell(int line, int column) const {
    char text[256] = "";
    ListView_GetItemText(List(), line, column, text, sizeof text);
    return text;
  }
  Texts Line(int line) const {
    Texts cells;
    for (int column = 0; column < 5; ++column) cells.push_back(Cell(line, column));
    return cells;
  }
  int LineOf(const std::string& index) const {
    for (int line = 0; line < LineCount(); ++line)
      if (Cell(line, 0) == index) return line;
    return -1;
  }

  // A user's double-click on a line: the first click selects it, the second
  // opens the dialog, which script then works. False when no dialog came.
  bool DoubleClickLine(int line, DialogScript script) {
    ListView_SetItemState(List(), line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    RECT bounds = {};
    ListView_GetItemRect(List(), line, &bounds, LVIR_LABEL);
    LPARAM at = MAKELPARAM(bounds.left + 4, (bounds.top + bounds.bottom) / 2);
    return RunWithDialog(std::move(script), [this, at] {
      SendMessageA(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageA(List(), WM_LBUTTONUP, 0, at);
    });
  }
  // Runs action with the dialog of the focused line driven from inside its
  // own message loop: the first time it is shown the script works it; a
  // dialog the script left open is cancelled, so that the test cannot hang.
  bool RunWithDialog(DialogScript script, const std::function<void()>& action) {
    int line = ListView_GetNextItem(List(), -1, LVNI_FOCUSED);
    const std::string title = ModifyRegisterTitle(strtoul(Cell(line, 0).c_str(), nullptr, 16));
    bool ran = false;
    ModalScript driver;
    driver
        .Then(title,
              [&](HWND dialog) {
                ran = true;
                script(dialog);
              })
        .Then(title, [](HWND dialog) {
          ADD_FAILURE() << "the Modify Register dialog was left open";
          EndDialog(dialog, IDCANCEL);
        });
    action();
    PumpMessages();
    return ran;
  }

  // What the user does inside the dialog.
  static std::string DialogText(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }
  static void Type(HWND dialog, int id, const std::string& text) {
    HWND edit = GetDlgItem(dialog, id);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  static bool DialogChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
  }
  static bool StillOpen(HWND dialog) { return IsWindow(dialog) && IsWindowVisible(dialog); }
  // Types text in radix and presses OK.
  static void Enter(HWND dialog, int radix, const std::string& text) {
    Click(dialog, radix);
    Type(dialog, IDC_MODIFY_VALUE, text);
    Click(dialog, IDOK);
  }
};

}  // namespace

TEST_F(RegistersPageTest, DefaultRecordListsItsFiftyFourRegisters) {
  ASSERT_NE(List(), nullptr);
  ASSERT_EQ(LineCount(), 54);
  EXPECT_EQ(Line(0), (Texts{"0004h", "00h", "00000000b", "  0", "BUSCLK MEMCLK Config Register"}));
  EXPECT_EQ(Line(1), (Texts{"0005h", "43h", "01000011b", " 67", "PCLK Config  Register"}));
  EXPECT_EQ(Cell(53, 0), "00B3h");
  EXPECT_EQ(Text(IDC_REGISTERS_HINT), "Double click on a line to modify a register.");
  HDC dc = GetDC(Page());
  SendMessageA(Page(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(GetDlgItem(Page(), IDC_REGISTERS_HINT)));
  EXPECT_EQ(GetTextColor(dc), kNoteColour);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(Page(), dc);
}

TEST_F(RegistersPageTest, ListIsACyanArialReportFillingItsFrameWithUnclippedColumns) {
  HWND list = List();
  ASSERT_NE(list, nullptr);
  DWORD style = static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE));
  const DWORD styleBits[] = {LVS_REPORT,       LVS_SINGLESEL, LVS_SHOWSELALWAYS,
                             LVS_NOSORTHEADER, WS_BORDER,     WS_TABSTOP};
  for (DWORD bit : styleBits) EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  DWORD extended = ListView_GetExtendedListViewStyle(list);
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(extended & LVS_EX_TWOCLICKACTIVATE);
  EXPECT_EQ(ListView_GetBkColor(list), RGB(0, 255, 255));
  EXPECT_EQ(ListView_GetTextBkColor(list), RGB(0, 255, 255));

  LOGFONTA font = {};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof font,
                         &font));
  EXPECT_STREQ(font.lfFaceName, "Arial");
  HDC dc = GetDC(list);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72));
  ReleaseDC(list, dc);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);

  RECT frame, inside;
  GetClientRect(Frame(), &frame);
  GetWindowRect(list, &inside);
  MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&inside), 2);
  EXPECT_TRUE(EqualRect(&frame, &inside));

  const char* titles[] = {"Register", "Hex", "Bin", "Dec", "Register Name"};
  for (int column = 0; column < 5; ++column) {
    char title[32] = "";
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT | LVCF_FMT;
    header.pszText = title;
    header.cchTextMax = sizeof title;
    ASSERT_TRUE(ListView_GetColumn(list, column, &header));
    EXPECT_STREQ(title, titles[column]);
    EXPECT_EQ(header.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    int width = ListView_GetColumnWidth(list, column);
    // The header insets its text by three edge widths on either side.
    EXPECT_GE(width, ListView_GetStringWidth(list, title) + 6 * GetSystemMetrics(SM_CXEDGE))
        << title;
    for (int line = 0; line < LineCount(); ++line)
      EXPECT_GT(width, ListView_GetStringWidth(list, Cell(line, column).c_str()))
          << title << " line " << line;
  }
}

TEST_F(RegistersPageTest, DialogShowsTheRegisterAndStoresADecimal255) {
  bool ran = DoubleClickLine(0, [](HWND dialog) {
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Modify register 004h");
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_VALUE), "00");
    EXPECT_TRUE(DialogChecked(dialog, IDC_MODIFY_HEXADECIMAL));
    EXPECT_FALSE(DialogChecked(dialog, IDC_MODIFY_DECIMAL));
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_DESCRIPTION), "BUSCLK MEMCLK Config Register");
    Enter(dialog, IDC_MODIFY_DECIMAL, "255");
    EXPECT_FALSE(StillOpen(dialog));
  });
  ASSERT_TRUE(ran);
  EXPECT_EQ(GetRegister(0x04), 0xFFu);
  EXPECT_EQ(Line(0), (Texts{"0004h", "FFh", "11111111b", "255", "BUSCLK MEMCLK Config Register"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistersPageTest, DialogRefusesTooLargeAndMalformedValuesAndStaysOpen) {
  bool ran = DoubleClickLine(LineOf("0012h"), [this](HWND dialog) {
    Enter(dialog, IDC_MODIFY_DECIMAL, "256");
    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(Messages(), Texts{kInvalid});
    EXPECT_EQ(messages.Messages().back().style & 0xF0, 0x10u);  // error icon
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_MODIFY_VALUE));
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_VALUE), "256");
    Enter(dialog, IDC_MODIFY_HEXADECIMAL, "1G");
    EXPECT_TRUE(StillOpen(dialog));
    EXPECT_EQ(Messages(), (Texts{kInvalid, kInvalid}));
    Type(dialog, IDC_MODIFY_VALUE, "7");
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(StillOpen(dialog));
  });
  ASSERT_TRUE(ran);
  EXPECT_EQ(GetRegister(0x12), 0x2Bu);
  EXPECT_EQ(Cell(LineOf("0012h"), 1), "2Bh");
}

TEST_F(RegistersPageTest, RadixButtonsConvertTheTypedValue) {
  bool ran = DoubleClickLine(2, [](HWND dialog) {
    Type(dialog, IDC_MODIFY_VALUE, "20");
    Click(dialog, IDC_MODIFY_DECIMAL);
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_VALUE), "32");
    EXPECT_TRUE(DialogChecked(dialog, IDC_MODIFY_DECIMAL));
    Click(dialog, IDC_MODIFY_HEXADECIMAL);
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_VALUE), "20");
    Type(dialog, IDC_MODIFY_VALUE, "zz");
    Click(dialog, IDC_MODIFY_DECIMAL);
    EXPECT_EQ(DialogText(dialog, IDC_MODIFY_VALUE), "zz");
    Click(dialog, IDCANCEL);
  });
  EXPECT_TRUE(ran);
}

TEST_F(RegistersPageTest, OkFarDownTheListKeepsTheSameLinesInView) {
  ListView_EnsureVisible(List(), LineCount() - 1, FALSE);
  int top = TopLine();
  ASSERT_GT(top, 20);
  int line = top + 2;
  std::string index = Cell(line, 0);
  bool ran =
      DoubleClickLine(line, [](HWND dialog) { Enter(dialog, IDC_MODIFY_HEXADECIMAL, "a5"); });
  ASSERT_TRUE(ran);
  EXPECT_EQ(TopLine(), top);
  EXPECT_EQ(Cell(line, 0), index);
  EXPECT_EQ(Cell(line, 1), "A5h");
  EXPECT_EQ(Cell(line, 2), "10100101b");
}

// OK and Cancel leave the same lines in view, wherever the list stood.
TEST_F(RegistersPageTest, TheListKeepsItsTopLineAfterTheDialogWhereverItStood) {
  const struct {
    int top;
    const char* index;
    bool ok;
  } kSteps[] = {{11, "0078h", true}, {30, "00A4h", true}, {11, "0078h", false}};
  RECT first = {};
  ListView_GetItemRect(List(), 0, &first, LVIR_BOUNDS);
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.index);
    ListView_Scroll(List(), 0, (step.top - TopLine()) * (first.bottom - first.top));
    ASSERT_EQ(TopLine(), step.top);
    int line = LineOf(step.index);
    ASSERT_LT(line - step.top, ListView_GetCountPerPage(List()));
    ASSERT_TRUE(DoubleClickLine(line, [&step](HWND dialog) {
      if (step.ok) Enter(dialog, IDC_MODIFY_HEXADECIMAL, "5a");
      if (!step.ok) Click(dialog, IDCANCEL);
    }));
    EXPECT_EQ(TopLine(), step.top);
    EXPECT_EQ(Cell(line, 0), step.index);
  }
}

TEST_F(RegistersPageTest, HandSetRegistersRecalculatedByTheClocksPageAreReported) {
  // 04h is only opened and cancelled, 05h set; both count as set by hand.
  ASSERT_TRUE(DoubleClickLine(LineOf("0004h"), [](HWND dialog) { Click(dialog, IDCANCEL); }));
  ASSERT_TRUE(DoubleClickLine(LineOf("0005h"),
                              [](HWND dialog) { Enter(dialog, IDC_MODIFY_HEXADECIMAL, "42"); }));
  EXPECT_EQ(GetRegister(REG_PCLK_CONFIG), 0x42u);
  ASSERT_TRUE(ClickTab(kClocksPage));
  ChooseEntry(IDC_CLOCKS_MCLK_DIVIDE, "2:1");
  ChooseEntry(IDC_CLOCKS_PCLK_SOURCE, "MCLK");
  ASSERT_TRUE(ClickTab(kRegistersPage));
  EXPECT_EQ(Messages(), Texts{std::string(kRecalculated) + "4h 5h "});
  // Reported once: the marks are gone.
  ASSERT_TRUE(ClickTab(kClocksPage));
  ChooseEntry(IDC_CLOCKS_PCLK_SOURCE, "CLKI");
  ASSERT_TRUE(ClickTab(kRegistersPage));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(RegistersPageTest, TabReachesTheListAndEnterOpensTheDialog) {
  SetFocus(Tabs());
  PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), List());
  ListView_SetItemState(List(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  std::string caption;
  bool ran = RunWithDialog(
      [&caption](HWND dialog) {
        char text[64] = "";
        GetWindowTextA(dialog, text, sizeof text);
        caption = text;
        Click(dialog, IDCANCEL);
      },
      [this] { PressKey(VK_RETURN); });
  ASSERT_TRUE(ran);
  EXPECT_EQ(caption, "Modify register 005h");
}

// The page puts the list view's own procedure back before the list goes.
namespace {
HWND g_watchedList = nullptr;
int g_destroyChecks = 0;
bool g_ownProcedureAtDestroy = false;

LRESULT CALLBACK WatchListDestroy(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->hwnd == g_watchedList && sent->message == WM_DESTROY) {
    ++g_destroyChecks;
    g_ownProcedureAtDestroy = GetWindowLongPtrA(sent->hwnd, GWLP_WNDPROC) ==
                              static_cast<LONG_PTR>(GetClassLongPtrA(sent->hwnd, GCLP_WNDPROC));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(RegistersPageTest, ListProcedureIsRestoredWhenThePageGoesWithTheWindow) {
  g_watchedList = List();
  ASSERT_NE(g_watchedList, nullptr);
  EXPECT_NE(GetWindowLongPtrA(g_watchedList, GWLP_WNDPROC),
            static_cast<LONG_PTR>(GetClassLongPtrA(g_watchedList, GCLP_WNDPROC)));
  g_destroyChecks = 0;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchListDestroy, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(ClickTab(kGeneralPage));
  EXPECT_EQ(g_destroyChecks, 0);  // kept for the tab's return
  DestroyWindow(Main());
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_destroyChecks, 1);
  EXPECT_TRUE(g_ownProcedureAtDestroy);
}
