#include "cfg/ui/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "cfg/pages/panel/timing_import.h"
#include "cfg/panel/clocks.h"
#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_source_file.h"
#include "cfg/record/config_file.h"
#include "cfg/record/file_commands.h"
#include "cfg/record/wide_names.h"
#include "cfg/ui/about_box.h"
#include "cfg/ui/dialog_window.h"
#include "cfg/ui/file_dialogs.h"
#include "cfg/ui/panel_preview_window.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "cfg/ui/timing_diagram_window.h"
#include "cfg/ui/tooltips.h"

namespace {

const char kWindowClass[] = "56420CFG";

// The full path, upper-cased by the system's own case rules (all scripts,
// not only ASCII).
std::string FullUpperCasePath(const std::string& path) {
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

bool RegisterWindowClass(HINSTANCE instance) {
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

class ConfiguratorWindow : public DialogWindow, private MessageObserver {
 public:
  ConfiguratorWindow(HINSTANCE instance, Configuration& config)
      : instance_(instance), config_(config), diagram_(config), preview_(config) {}

  // The window made, shown, with the General page and the file opened.
  bool Start(int show, const char* fileToOpen);
  bool PreTranslate(MSG* message);

  HWND Tabs() const { return tabs_; }
  HWND OpenPageWindow() const {
    const DialogWindow* page = pages_[pageIndex_].get();
    return page ? page->Handle() : nullptr;
  }
  int PageIndex() const { return pageIndex_; }
  const std::string& CurrentFile() const { return currentFile_; }
  const TimingDiagramWindow& Diagram() const { return diagram_; }
  const PanelPreviewWindow& Preview() const { return preview_; }

 protected:
  BOOL OnInitialize() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  void OnDestroy() override;

 private:
  bool InsertTabs();
  bool IsWithin(HWND window) const {
    return window && (window == Handle() || IsChild(Handle(), window));
  }
  void ShowPage(int index);
  void RebuildPage();
  bool ApplyPage();
  void ApplyAndRebuildPage();
  void MoveToTab(int index);
  bool TabSwitchKey(const MSG& message);

  // The views follow the record after every message the window or a page
  // has handled.
  void MessageHandled() override;

  bool OpenNamedFile(const std::string& path);
  void MenuCommand(int id);
  void OpenCommand();
  void ImportTimingCommand();
  void SaveCommand();
  void SaveAsCommand();
  void ConfigureMultipleCommand();
  void ExportCommand();
  void CloseCommand();
  void ToggleTooltips();
  void FileMenuOpening(HMENU menu);
  void FilesDropped(HDROP drop);
  void OpenConfigureMultiple(const std::vector<std::string>& files);

  HINSTANCE instance_;
  Configuration& config_;
  HWND tabs_ = nullptr;
  // Each page made the first time its tab is shown, kept (hidden while
  // another tab shows) until the window ends.
  std::unique_ptr<DialogWindow> pages_[kPageCount];
  int pageIndex_ = kGeneralPage;
  std::string currentFile_;
  AboutLogo logo_;
  // The View menu's windows, made when first chosen.
  TimingDiagramWindow diagram_;
  PanelPreviewWindow preview_;
  ViewWindow* const views_[2] = {&diagram_, &preview_};
};

// The program's one main window: the object outlives its window until the
// next one is made, so that a command ending the window returns safely.
std::unique_ptr<ConfiguratorWindow> g_window;

bool ConfiguratorWindow::Start(int show, const char* fileToOpen) {
  if (!RegisterWindowClass(instance_)) return false;
  SetObserver(this);
  if (!Create(instance_, IDD_MAIN, nullptr)) return false;
  if (!tabs_ || !InsertTabs()) {
    DestroyWindow(Handle());
    return false;
  }
  CreateTooltips(Handle(), tabs_);
  ShowWindow(Handle(), show);
  ShowPage(kGeneralPage);
  if (fileToOpen && *fileToOpen) OpenNamedFile(fileToOpen);
  return true;
}

bool ConfiguratorWindow::InsertTabs() {
  // Tab moves from the tab control into the page.
  SetWindowLongPtrA(tabs_, GWL_EXSTYLE,
                    GetWindowLongPtrA(tabs_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  for (int i = 0; i < kPageCount; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kPages[i].tabText);
    if (SendMessageA(tabs_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)) != i) return false;
  }
  return true;
}

BOOL ConfiguratorWindow::OnInitialize() {
  tabs_ = GetDlgItem(Handle(), IDC_MAIN_TABS);
  TakeClockWorkingValuesFromRecord(config_);
  logo_.Load(instance_);
  DragAcceptFiles(Handle(), TRUE);
  return TRUE;
}

void ConfiguratorWindow::OnDestroy() {
  for (ViewWindow* view : views_)
    if (view->Handle()) DestroyWindow(view->Handle());
  if (HWND page = OpenPageWindow()) SendMessageA(page, kMsgPageLeave, 0, 0);
  for (std::unique_ptr<DialogWindow>& page : pages_) {
    if (page && page->Handle()) DestroyWindow(page->Handle());
    page.reset();
  }
  DestroyTooltips();
  logo_.Release();
  tabs_ = nullptr;
  PostQuitMessage(0);
}

// ---- Pages.

// Shows the page of tab index in place of the open one.
void ConfiguratorWindow::ShowPage(int index) {
  DialogWindow* leaving = pages_[pageIndex_].get();
  if (index == pageIndex_ && leaving) {
    RebuildPage();
    return;
  }
  if (leaving) {
    HWND page = leaving->Handle();
    SendMessageA(page, kMsgPageLeave, 0, 0);
    // The keyboard goes on from the tabs.
    HWND focus = GetFocus();
    if (focus == page || IsChild(page, focus)) SetFocus(tabs_);
    ShowWindow(page, SW_HIDE);
  }
  pageIndex_ = index;
  if (!pages_[index]) {
    pages_[index] = CreatePageWindow(kPages[index], config_, tabs_);
    if (pages_[index]) pages_[index]->SetObserver(this);
  } else {
    // Brought up to date while hidden, then shown.
    HWND page = pages_[index]->Handle();
    SendMessageA(page, kMsgPageShow, 0, 0);
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  if (!IsWithin(GetFocus()) && IsWindowVisible(Handle())) SetFocus(tabs_);
}

// The open page shows what the record now holds.
void ConfiguratorWindow::RebuildPage() {
  DialogWindow* page = pages_[pageIndex_].get();
  if (!page) {
    pages_[pageIndex_] = CreatePageWindow(kPages[pageIndex_], config_, tabs_);
    if (pages_[pageIndex_]) pages_[pageIndex_]->SetObserver(this);
    return;
  }
  SendMessageA(page->Handle(), kMsgPageLeave, 0, 0);
  SendMessageA(page->Handle(), kMsgPageShow, 0, 0);
}

// The close request: true when the page accepts (or there is none).
bool ConfiguratorWindow::ApplyPage() {
  HWND page = OpenPageWindow();
  return !page || SendMessageA(page, kMsgPageClose, 0, 0) != kPageRefuse;
}

// Commands that take the page's entries over show afterwards what the record
// holds, whether the page accepted or not.
void ConfiguratorWindow::ApplyAndRebuildPage() {
  ApplyPage();
  RebuildPage();
}

void ConfiguratorWindow::MoveToTab(int index) {
  if (index == pageIndex_ || !ApplyPage()) return;
  TabCtrl_SetCurSel(tabs_, index);
  ShowPage(index);
}

// ---- File commands.

// The file becomes the current file only once it has been read.
bool ConfiguratorWindow::OpenNamedFile(const std::string& path) {
  std::string name = FullUpperCasePath(path);
  if (!OpenConfigFile(config_, name.c_str())) return false;
  currentFile_ = name;
  SetWindowTextA(Handle(), WindowCaption(currentFile_).c_str());
  TakeClockWorkingValuesFromRecord(config_);
  RebuildPage();
  return true;
}

void ConfiguratorWindow::OpenCommand() {
  std::string chosen;
  if (ChooseFile(Handle(), OpenFileRequest(), &chosen)) OpenNamedFile(chosen);
}

// A panel timing from a device-tree source or a modeline, for the record's
// panel type, through the Panel page's steps. The open page's entries are
// taken over first (a refusal imports nothing) and the page then shows the
// imported values; a refused timing changes nothing.
void ConfiguratorWindow::ImportTimingCommand() {
  if (!ApplyPage()) return;
  std::string chosen;
  TimingSource source;
  if (!ChooseFile(Handle(), ImportTimingRequest(), &chosen) ||
      !ReadTimingSourceFile(chosen, &source))
    return;
  if (ImportTimingTerms(config_, source.terms, GetPanelType(config_))) RebuildPage();
}

// What the open page shows is saved: it takes its entries over first (and
// stays open); a refusal saves nothing.
void ConfiguratorWindow::SaveCommand() {
  if (currentFile_.empty() || !ApplyPage()) return;
  SaveConfigFile(config_, currentFile_.c_str(), nullptr, false);
}

void ConfiguratorWindow::SaveAsCommand() {
  if (currentFile_.empty()) return;
  ApplyAndRebuildPage();
  std::string chosen;
  if (ChooseFile(Handle(), SaveAsRequest(currentFile_), &chosen))
    SaveConfigFile(config_, currentFile_.c_str(), chosen.c_str(), false);
}

// The owner is disabled as any modal dialog's; the open page explicitly too.
void ConfiguratorWindow::OpenConfigureMultiple(const std::vector<std::string>& files) {
  HWND page = OpenPageWindow();
  if (page) EnableWindow(page, FALSE);
  CommandDialogs.configureMultiple(Handle(), config_, files);
  if (page && IsWindow(page)) EnableWindow(page, TRUE);
}

void ConfiguratorWindow::ConfigureMultipleCommand() {
  ApplyAndRebuildPage();
  WarnAboutTimingRules(config_);
  OpenConfigureMultiple(std::vector<std::string>());
}

void ConfiguratorWindow::ExportCommand() {
  ApplyAndRebuildPage();
  CommandDialogs.exportConfiguration(Handle(), config_);
}

// Exit and the close box: the open page's entries reach the record as on
// every command that leaves the page, then the window ends without asking.
void ConfiguratorWindow::CloseCommand() {
  ApplyPage();
  DestroyWindow(Handle());
}

void ConfiguratorWindow::ToggleTooltips() {
  HMENU menu = GetMenu(Handle());
  bool enable = (GetMenuState(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND) & MF_CHECKED) == 0;
  SetTooltipsEnabled(enable);
  CheckMenuItem(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND | (enable ? MF_CHECKED : MF_UNCHECKED));
}

void ConfiguratorWindow::MenuCommand(int id) {
  switch (id) {
    case IDM_FILE_OPEN:
      OpenCommand();
      break;
    case IDM_FILE_IMPORT_TIMING:
      ImportTimingCommand();
      break;
    case IDM_VIEW_TIMING_DIAGRAM:
      diagram_.Open(instance_, IDD_TIMING_DIAGRAM, Handle());
      break;
    case IDM_VIEW_PANEL_PREVIEW:
      preview_.Open(instance_, IDD_PANEL_PREVIEW, Handle());
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
      CloseCommand();
      break;
    case IDM_HELP_TOOLTIPS:
      ToggleTooltips();
      break;
    case IDM_HELP_ABOUT:
      CommandDialogs.about(Handle(), logo_);
      break;
    default:
      break;
  }
}

// Save and Save As need a current file.
void ConfiguratorWindow::FileMenuOpening(HMENU menu) {
  UINT state = MF_BYCOMMAND | (currentFile_.empty() ? MF_GRAYED : MF_ENABLED);
  EnableMenuItem(menu, IDM_FILE_SAVE, state);
  EnableMenuItem(menu, IDM_FILE_SAVE_AS, state);
}

// Files dropped on the window go to Configure Multiple, without the rule
// warnings of the menu command.
void ConfiguratorWindow::FilesDropped(HDROP drop) {
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
  OpenConfigureMultiple(files);
}

// ---- The window's messages.

bool ConfiguratorWindow::OnCommand(int id, int, HWND control) {
  if (!control) MenuCommand(id);
  return true;
}

bool ConfiguratorWindow::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->hwndFrom != tabs_) return AnswerTooltipRequest(header);
  // A refusing page keeps its tab.
  if (header->code == TCN_SELCHANGING) *result = ApplyPage() ? FALSE : TRUE;
  if (header->code == TCN_SELCHANGE) ShowPage(TabCtrl_GetCurSel(tabs_));
  return true;
}

bool ConfiguratorWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  switch (message) {
    case WM_INITMENUPOPUP:
      if (GetMenuState(reinterpret_cast<HMENU>(wParam), IDM_FILE_SAVE, MF_BYCOMMAND) != UINT(-1))
        FileMenuOpening(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_DROPFILES:
      FilesDropped(reinterpret_cast<HDROP>(wParam));
      break;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case WM_CLOSE:
      CloseCommand();
      break;
    default:
      return false;
  }
  *result = TRUE;
  return true;
}

// ---- The keyboard.

// Ctrl+Tab / Ctrl+PageDown: the next tab; with Shift, or Ctrl+PageUp, the
// previous one.
bool ConfiguratorWindow::TabSwitchKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !IsWithin(message.hwnd)) return false;
  if (GetKeyState(VK_CONTROL) >= 0) return false;
  int step = 0;
  if (message.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (message.wParam == VK_NEXT) step = 1;
  if (message.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  MoveToTab((pageIndex_ + step + kPageCount) % kPageCount);
  return true;
}

void ConfiguratorWindow::MessageHandled() {
  for (ViewWindow* view : views_)
    if (view->Handle()) view->Refresh();
}

bool ConfiguratorWindow::PreTranslate(MSG* message) {
  if (!tabs_) return false;
  // A view's keys: Escape, Tab, its buttons' mnemonics.
  for (ViewWindow* view : views_) {
    HWND window = view->Handle();
    if (window && (message->hwnd == window || IsChild(window, message->hwnd)))
      return IsDialogMessageA(window, message) != 0;
  }
  if (TabSwitchKey(*message)) return true;
  HWND page = OpenPageWindow();
  if (page && IsDialogMessageA(page, message)) return true;
  return IsDialogMessageA(Handle(), message) != 0;
}

}  // namespace

std::unique_ptr<DialogWindow> CreatePageWindow(const PageEntry& entry, Configuration& config,
                                               HWND tabs) {
  std::unique_ptr<DialogWindow> page = entry.make(config);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(tabs, GWLP_HINSTANCE));
  if (!page->Create(instance, entry.dialogId, tabs)) return nullptr;
  RegisterTools(page->Handle());
  RECT area;
  GetClientRect(tabs, &area);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  SetWindowPos(page->Handle(), HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  return page;
}

HWND CreateMainWindow(HINSTANCE instance, int show, Configuration& config, const char* fileToOpen) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                        ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (g_window && g_window->Handle()) DestroyWindow(g_window->Handle());
  g_window.reset(new ConfiguratorWindow(instance, config));
  if (!g_window->Start(show, fileToOpen)) {
    g_window.reset();
    return nullptr;
  }
  return g_window->Handle();
}

bool PreTranslateMainWindowMessage(MSG* message) {
  return g_window && g_window->PreTranslate(message);
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

HWND MainWindow() {
  return g_window ? g_window->Handle() : nullptr;
}
HWND TabControl() {
  return g_window ? g_window->Tabs() : nullptr;
}
HWND OpenPage() {
  return g_window ? g_window->OpenPageWindow() : nullptr;
}
int OpenPageIndex() {
  return g_window ? g_window->PageIndex() : 0;
}
const std::string& CurrentFileName() {
  static const std::string kNone;
  return g_window ? g_window->CurrentFile() : kNone;
}
const TimingDiagramWindow* TimingDiagramView() {
  return g_window ? &g_window->Diagram() : nullptr;
}
const PanelPreviewWindow* PanelPreviewView() {
  return g_window ? &g_window->Preview() : nullptr;
}
