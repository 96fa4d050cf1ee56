#include "cfg/ui/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "cfg/panel/clocks.h"
#include "cfg/panel/rules.h"
#include "cfg/record/config_file.h"
#include "cfg/record/file_commands.h"
#include "cfg/record/wide_names.h"
#include "cfg/ui/file_dialogs.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "cfg/ui/tooltips.h"

static const char kWindowClass[] = "56420CFG";

static HINSTANCE g_instance = nullptr;
static HWND g_main = nullptr;
static HWND g_tabs = nullptr;
static HWND g_page = nullptr;
static int g_pageIndex = 0;
static std::string g_currentFile;
static Configuration* g_configuration = nullptr;

Configuration& WindowConfiguration() {
  return *g_configuration;
}

HWND MainWindow() {
  return g_main;
}
HWND TabControl() {
  return g_tabs;
}
HWND OpenPage() {
  return g_page;
}
int OpenPageIndex() {
  return g_pageIndex;
}
const std::string& CurrentFileName() {
  return g_currentFile;
}

// The full path, upper-cased by the system's own case rules (all scripts,
// not only ASCII).
static std::string FullUpperCasePath(const std::string& path) {
  std::wstring wide = WideFileName(path);
  DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length > 0) {
    std::wstring full(length, L'\0');
    DWORD got = GetFullPathNameW(wide.c_str(), length, &full[0], nullptr);
    if (got > 0 && got < length) wide.assign(full.c_str(), got);
  }
  if (!wide.empty()) CharUpperBuffW(&wide[0], static_cast<DWORD>(wide.size()));
  return NarrowFileName(wide);
}

// ---- Pages.

static void DestroyOpenPage() {
  if (!g_page) return;
  HWND page = g_page;
  g_page = nullptr;
  DestroyWindow(page);
}

static bool IsWithinMainWindow(HWND window) {
  return window && (window == g_main || IsChild(g_main, window));
}

HWND CreatePageWindow(const PageEntry& entry) {
  HWND page =
      CreateDialogParamA(g_instance, MAKEINTRESOURCEA(entry.dialogId), g_tabs, entry.procedure, 0);
  if (!page) return nullptr;
  RegisterTools(page);
  RECT area;
  GetClientRect(g_tabs, &area);
  TabCtrl_AdjustRect(g_tabs, FALSE, &area);
  SetWindowPos(page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  return page;
}

// Replaces the open page with the page of tab index.
static void BuildPage(int index) {
  DestroyOpenPage();
  g_pageIndex = index;
  g_page = CreatePageWindow(kPages[index]);
  // The focus was on the page just destroyed: the keyboard goes on from the tabs.
  if (!IsWithinMainWindow(GetFocus()) && IsWindowVisible(g_main)) SetFocus(g_tabs);
}

// The close request: true when the page accepts (or there is none).
static bool ApplyPage() {
  if (!g_page) return true;
  // The dialog manager sets the answer to 0, accept, before the page sees
  // the request; the page's DWLP_MSGRESULT comes back as the result.
  return SendMessageA(g_page, kMsgPageClose, 0, 0) != kPageRefuse;
}

// Commands that take the page's entries over show afterwards what the record
// holds, whether the page accepted or not.
static void ApplyAndRebuildPage() {
  ApplyPage();
  BuildPage(g_pageIndex);
}

static void MoveToTab(int index) {
  if (index == g_pageIndex || !ApplyPage()) return;
  TabCtrl_SetCurSel(g_tabs, index);
  BuildPage(index);
}

// ---- File commands.

// The file becomes the current file only once it has been read.
static bool OpenNamedFile(const std::string& path) {
  Configuration& config = WindowConfiguration();
  std::string name = FullUpperCasePath(path);
  if (!OpenConfigFile(config, name.c_str())) return false;
  g_currentFile = name;
  SetWindowTextA(g_main, WindowCaption(g_currentFile).c_str());
  TakeClockWorkingValuesFromRecord(config);
  BuildPage(g_pageIndex);
  return true;
}

static void OpenCommand() {
  std::string chosen;
  if (ChooseFile(g_main, OpenFileRequest(), &chosen)) OpenNamedFile(chosen);
}

static void SaveCommand() {
  Configuration& config = WindowConfiguration();
  if (!g_currentFile.empty()) SaveConfigFile(config, g_currentFile.c_str(), nullptr, false);
}

static void SaveAsCommand() {
  Configuration& config = WindowConfiguration();
  if (g_currentFile.empty()) return;
  ApplyAndRebuildPage();
  std::string chosen;
  if (ChooseFile(g_main, SaveAsRequest(g_currentFile), &chosen))
    SaveConfigFile(config, g_currentFile.c_str(), chosen.c_str(), false);
}

static void ConfigureMultipleCommand() {
  Configuration& config = WindowConfiguration();
  ApplyAndRebuildPage();
  WarnAboutTimingRules(config);
  CommandDialogs.configureMultiple(g_main, std::vector<std::string>());
}

static void ExportCommand() {
  ApplyAndRebuildPage();
  CommandDialogs.exportConfiguration(g_main);
}

static void ToggleTooltips() {
  HMENU menu = GetMenu(g_main);
  bool enable = (GetMenuState(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND) & MF_CHECKED) == 0;
  SetTooltipsEnabled(enable);
  CheckMenuItem(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND | (enable ? MF_CHECKED : MF_UNCHECKED));
}

static void MenuCommand(int id) {
  switch (id) {
    case IDM_FILE_OPEN:
      OpenCommand();
      break;
    case IDM_FILE_SAVE:
      SaveCommand();
      break;
    case IDM_FILE_SAVE_AS:
      SaveAsCommand();
      break;
    case IDM_FILE_CONFIGURE_MULTIPLE:
      ConfigureMultipleCommand();
      break;
    case IDM_FILE_EXPORT:
      ExportCommand();
      break;
    case IDM_FILE_EXIT:
      DestroyWindow(g_main);
      break;
    case IDM_HELP_TOOLTIPS:
      ToggleTooltips();
      break;
    case IDM_HELP_ABOUT:
      CommandDialogs.about(g_main);
      break;
    default:
      break;
  }
}

// Save and Save As need a current file.
static void FileMenuOpening(HMENU menu) {
  UINT state = MF_BYCOMMAND | (g_currentFile.empty() ? MF_GRAYED : MF_ENABLED);
  EnableMenuItem(menu, IDM_FILE_SAVE, state);
  EnableMenuItem(menu, IDM_FILE_SAVE_AS, state);
}

// Files dropped on the window go to Configure Multiple, without the rule
// warnings of the menu command.
static void FilesDropped(HDROP drop) {
  std::vector<std::string> files;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string name(length + 1, '\0');
    DragQueryFileA(drop, i, &name[0], length + 1);
    name.resize(length);
    files.push_back(name);
  }
  DragFinish(drop);
  ApplyAndRebuildPage();
  CommandDialogs.configureMultiple(g_main, files);
}

// ---- The window.

static INT_PTR TabNotification(NMHDR* header) {
  if (header->code == TCN_SELCHANGING) {
    // A refusing page keeps its tab.
    SetWindowLongPtrA(g_main, DWLP_MSGRESULT, ApplyPage() ? FALSE : TRUE);
    return TRUE;
  }
  if (header->code == TCN_SELCHANGE) BuildPage(TabCtrl_GetCurSel(g_tabs));
  return TRUE;
}

static INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(window);
  Configuration& config = WindowConfiguration();
  switch (message) {
    case WM_INITDIALOG:
      g_main = window;
      g_tabs = GetDlgItem(window, IDC_MAIN_TABS);
      TakeClockWorkingValuesFromRecord(config);
      LoadAboutLogo(g_instance);
      DragAcceptFiles(window, TRUE);
      return TRUE;
    case WM_COMMAND:
      if (lParam == 0) MenuCommand(LOWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == g_tabs) return TabNotification(header);
      return AnswerTooltipRequest(header);
    }
    case WM_INITMENUPOPUP:
      if (GetMenuState(reinterpret_cast<HMENU>(wParam), IDM_FILE_SAVE, MF_BYCOMMAND) != UINT(-1))
        FileMenuOpening(reinterpret_cast<HMENU>(wParam));
      return TRUE;
    case WM_DROPFILES:
      FilesDropped(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return TRUE;
    case WM_DESTROY:
      DestroyOpenPage();
      DestroyTooltips();
      ReleaseAboutLogo();
      g_main = nullptr;
      g_tabs = nullptr;
      PostQuitMessage(0);
      return TRUE;
    default:
      return FALSE;
  }
}

static bool RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kWindowClass, &existing)) return true;
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = DefDlgProcA;
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

static bool InsertTabs() {
  // Tab moves from the tab control into the page.
  SetWindowLongPtrA(g_tabs, GWL_EXSTYLE,
                    GetWindowLongPtrA(g_tabs, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  for (int i = 0; i < kPageCount; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kPages[i].tabText);
    if (SendMessageA(g_tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)) != i)
      return false;
  }
  return true;
}

HWND CreateMainWindow(HINSTANCE instance, int show, Configuration& config, const char* fileToOpen) {
  g_configuration = &config;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                        ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  g_instance = instance;
  g_currentFile.clear();
  g_pageIndex = 0;
  if (!RegisterWindowClass(instance)) return nullptr;
  if (!CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0))
    return nullptr;
  if (!g_tabs || !InsertTabs()) {
    DestroyWindow(g_main);
    return nullptr;
  }
  CreateTooltips(g_main);
  ShowWindow(g_main, show);
  BuildPage(kGeneralPage);
  if (fileToOpen && *fileToOpen) OpenNamedFile(fileToOpen);
  return g_main;
}

// Ctrl+Tab / Ctrl+PageDown: the next tab; with Shift, or Ctrl+PageUp, the
// previous one.
static bool TabSwitchKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !IsWithinMainWindow(message.hwnd)) return false;
  if (GetKeyState(VK_CONTROL) >= 0) return false;
  int step = 0;
  if (message.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (message.wParam == VK_NEXT) step = 1;
  if (message.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  MoveToTab((g_pageIndex + step + kPageCount) % kPageCount);
  return true;
}

bool PreTranslateMainWindowMessage(MSG* message) {
  if (!g_main) return false;
  if (TabSwitchKey(*message)) return true;
  if (g_page && IsDialogMessageA(g_page, message)) return true;
  return IsDialogMessageA(g_main, message) != 0;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMainWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
