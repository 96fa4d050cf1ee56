// One tooltip window for the main window and its pages. Every non-static
// control is a tool identified by its window, with its text asked for on
// demand (by the id of the control, from tooltip_texts); a message hook on the
// user-interface thread relays the mouse to the tooltip window.
#include "cfg/ui/tooltips.h"

#include <commctrl.h>

#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/tooltip_texts.h"

namespace {

const UINT kMaxTipWidth = 300;    // pixels; longer texts wrap
const int kAutoPopDelay = 20000;  // milliseconds a tip stays up

bool g_enabled = true;
HWND g_tooltip = nullptr;
HWND g_owner = nullptr;
HWND g_tabs = nullptr;
HHOOK g_hook = nullptr;
int g_lastTab = -1;  // the tab under the mouse when it last moved over the tabs

bool IsStaticText(HWND window) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, "Static") == 0;
}

// A tool for window; its text comes from the id of control (the window itself,
// or the control it is part of, such as the edit inside a combo box).
void AddTool(HWND window, HWND control) {
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = g_owner;  // text requests go to the main window
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  tool.lParam = GetDlgCtrlID(control);
  SendMessageA(g_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

BOOL CALLBACK AddPartTool(HWND part, LPARAM control) {
  AddTool(part, reinterpret_cast<HWND>(control));
  return TRUE;
}

// The tab under the cursor, or -1.
int TabUnderCursor() {
  if (!g_tabs) return -1;
  TCHITTESTINFO hit = {};
  GetCursorPos(&hit.pt);
  ScreenToClient(g_tabs, &hit.pt);
  return static_cast<int>(SendMessageA(g_tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool IsRelayedMouseMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return true;
    default:
      return false;
  }
}

// Sees every message taken from the queue; passes each one on.
LRESULT CALLBACK RelayMouse(int code, WPARAM removal, LPARAM lParam) {
  MSG* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && g_tooltip &&
      IsRelayedMouseMessage(message->message)) {
    if (message->message == WM_MOUSEMOVE && message->hwnd == g_tabs) {
      // Each tab has its own tip: leaving a tab for another removes the shown one.
      int tab = TabUnderCursor();
      if (tab != g_lastTab) {
        SendMessageA(g_tooltip, TTM_POP, 0, 0);
        g_lastTab = tab;
      }
    }
    SendMessageA(g_tooltip, TTM_RELAYEVENT, 0, lParam);
  }
  return CallNextHookEx(g_hook, code, removal, lParam);
}

const char* TextForControl(int id) {
  if (!g_enabled) return "";
  if (id == IDC_MAIN_TABS) {
    int tab = TabUnderCursor();
    return tab >= 0 && tab < kPageCount ? kPages[tab].tabTooltip : "";
  }
  const char* text = TooltipTextOf(id);
  return text ? text : "";
}

// Tools of windows that are gone (the controls of a window destroyed since).
void RemoveDeadTools() {
  int count = static_cast<int>(SendMessageA(g_tooltip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; --i) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    if (SendMessageA(g_tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)) &&
        !IsWindow(reinterpret_cast<HWND>(tool.uId)))
      SendMessageA(g_tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace

bool CreateTooltips(HWND mainWindow, HWND tabs) {
  DestroyTooltips();
  g_enabled = true;  // as the menu's check mark starts
  g_owner = mainWindow;
  g_tabs = tabs;
  g_lastTab = -1;
  g_tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              mainWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!g_tooltip) return false;
  RegisterTools(mainWindow);
  g_hook = SetWindowsHookExA(WH_GETMESSAGE, RelayMouse, nullptr, GetCurrentThreadId());
  if (!g_hook) return false;
  SetWindowPos(g_tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(g_tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kAutoPopDelay, 0));
  SendMessageA(g_tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  if (g_tabs) SendMessageA(g_tabs, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(g_tooltip), 0);
  return true;
}

void DestroyTooltips() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  if (g_tooltip) DestroyWindow(g_tooltip);
  g_hook = nullptr;
  g_tooltip = nullptr;
  g_owner = nullptr;
  g_tabs = nullptr;
}

void RegisterTools(HWND parent) {
  if (!g_tooltip || !parent) return;
  RemoveDeadTools();
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsStaticText(child)) continue;
    AddTool(child, child);
    // The windows a control is made of (a combo box's edit) show its tip too.
    EnumChildWindows(child, AddPartTool, reinterpret_cast<LPARAM>(child));
  }
}

bool AnswerTooltipRequest(NMHDR* header) {
  if (!g_tooltip || header->hwndFrom != g_tooltip) return false;
  if (header->code == TTN_GETDISPINFOA) {
    NMTTDISPINFOA* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    request->lpszText = const_cast<char*>(TextForControl(static_cast<int>(request->lParam)));
    request->hinst = nullptr;
    return true;
  }
  if (header->code == TTN_GETDISPINFOW) {
    static wchar_t wide[1024];
    NMTTDISPINFOW* request = reinterpret_cast<NMTTDISPINFOW*>(header);
    const char* text = TextForControl(static_cast<int>(request->lParam));
    if (!MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 1024)) wide[0] = L'\0';
    request->lpszText = wide;
    request->hinst = nullptr;
    return true;
  }
  return false;
}

void SetTooltipsEnabled(bool enabled) {
  g_enabled = enabled;
  if (!enabled && g_tooltip) SendMessageA(g_tooltip, TTM_POP, 0, 0);
}
bool TooltipsEnabled() {
  return g_enabled;
}

HWND TooltipWindow() {
  return g_tooltip;
}
