#include "tests/cfg/ui/window_driver.h"

#include <commctrl.h>

#include "cfg/pages/clocks/clocks_page.h"
#include "cfg/record/binary_record.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/shell_dialogs.h"
#include "tests/support/temp_dir.h"

static MainWindowTest* g_test = nullptr;

static bool ScriptedChooser(HWND, const FileDialogRequest& request, std::string* chosen) {
  g_test->fileRequests.push_back(request);
  std::string* script = nullptr;
  if (!g_test->chosenFiles.empty()) script = &g_test->chosenFiles.front();
  if (!script || script->empty()) {
    if (script) g_test->chosenFiles.pop_front();
    return false;
  }
  *chosen = *script;
  g_test->chosenFiles.pop_front();
  return true;
}

static void RecordConfigureMultiple(HWND, Configuration&, const std::vector<std::string>& files) {
  g_test->configureMultipleCalls.push_back(files);
}
static void RecordExport(HWND, Configuration&) {
  ++g_test->exportCalls;
}

void MainWindowTest::SetUp() {
  g_test = this;
  // The window's boxes, with their owners, go to the recorder.
  UseMessageBoxes(MessageRecorder::Present);
  SetFileChooser(ScriptedChooser);
  CommandDialogs.configureMultiple = RecordConfigureMultiple;
  CommandDialogs.exportConfiguration = RecordExport;
  ASSERT_NE(CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW, config), nullptr)
      << "no main window: is there a display?";
  PumpMessages();
}

void MainWindowTest::StartAgain() {
  int index = PageIndex();
  DestroyWindow(Main());
  PumpMessages();
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  ASSERT_NE(CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW, config), nullptr);
  PumpMessages();
  if (index != 0) ClickTab(index);
}

void MainWindowTest::TearDown() {
  if (Main()) DestroyWindow(Main());
  PumpMessages();
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  SetFileChooser(nullptr);
  CommandDialogs = ShellDialogs{RunConfigureMultiple, RunExportDialog, RunAboutBox};
  UseMessageBoxes(ShowMessageBox);
  g_test = nullptr;
}

HWND MainWindowTest::Main() const {
  return MainWindow();
}
HWND MainWindowTest::Tabs() const {
  return TabControl();
}
HWND MainWindowTest::Page() const {
  return OpenPage();
}
int MainWindowTest::PageIndex() const {
  return OpenPageIndex();
}

bool MainWindowTest::ClickTab(int index) {
  NMHDR header = {Tabs(), static_cast<UINT_PTR>(GetDlgCtrlID(Tabs())),
                  static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageA(Main(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header))) {
    PumpMessages();
    return false;
  }
  TabCtrl_SetCurSel(Tabs(), index);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(Main(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  PumpMessages();
  return true;
}

void MainWindowTest::ClickButton(int id) {
  HWND button = GetDlgItem(Page(), id);
  ASSERT_NE(button, nullptr) << id;
  SendMessageA(button, BM_CLICK, 0, 0);
  PumpMessages();
}

void MainWindowTest::ChooseEntry(int id, int index) {
  HWND box = GetDlgItem(Page(), id);
  ASSERT_NE(box, nullptr) << id;
  ASSERT_EQ(SendMessageA(box, CB_SETCURSEL, index, 0), index) << id;
  SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
  PumpMessages();
}

void MainWindowTest::ChooseEntry(int id, const std::string& text) {
  std::vector<std::string> entries = Entries(id);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] == text) {
      ChooseEntry(id, static_cast<int>(i));
      return;
    }
  }
  ADD_FAILURE() << "no entry \"" << text << "\" in list " << id;
}

// The edit window that takes the keys: the control itself or a combo box's edit.
static HWND EditOf(HWND control) {
  HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr);
  return edit ? edit : control;
}

void MainWindowTest::TypeInto(int id, const std::string& text) {
  HWND control = GetDlgItem(Page(), id);
  ASSERT_NE(control, nullptr) << id;
  SetFocus(control);
  HWND edit = EditOf(control);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, WM_CLEAR, 0, 0);
  for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  PumpMessages();
}

void MainWindowTest::Menu(int command) {
  SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  PumpMessages();
}

bool MainWindowTest::MenuItemEnabled(int command) {
  HMENU file = GetSubMenu(GetMenu(Main()), 0);
  SendMessageA(Main(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  return (GetMenuState(file, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string MainWindowTest::Text(int id) const {
  HWND control = GetDlgItem(Page(), id);
  if (!control) return "<no control " + std::to_string(id) + ">";
  char text[1024] = "";
  GetWindowTextA(control, text, sizeof text);
  return text;
}

bool MainWindowTest::Checked(int id) const {
  return IsDlgButtonChecked(Page(), id) == BST_CHECKED;
}

bool MainWindowTest::Enabled(int id) const {
  return IsWindowEnabled(GetDlgItem(Page(), id)) != 0;
}

int MainWindowTest::FocusId() const {
  HWND focus = GetFocus();
  // The edit inside a combo box stands for the combo box.
  HWND parent = focus ? GetParent(focus) : nullptr;
  char className[32] = "";
  if (parent) GetClassNameA(parent, className, sizeof className);
  if (lstrcmpiA(className, "ComboBox") == 0) focus = parent;
  return focus ? GetDlgCtrlID(focus) : 0;
}

std::vector<std::string> ComboEntries(HWND box) {
  std::vector<std::string> entries;
  int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

std::vector<std::string> MainWindowTest::Entries(int id) const {
  return ComboEntries(GetDlgItem(Page(), id));
}

int MainWindowTest::Selected(int id) const {
  return static_cast<int>(SendDlgItemMessageA(Page(), id, CB_GETCURSEL, 0, 0));
}

std::string MainWindowTest::Caption() const {
  char text[1024] = "";
  GetWindowTextA(Main(), text, sizeof text);
  return text;
}

RECT MainWindowTest::DisplayArea() const {
  RECT area;
  GetClientRect(Tabs(), &area);
  TabCtrl_AdjustRect(Tabs(), FALSE, &area);
  return area;
}

RECT RectIn(HWND window, HWND other) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

static void SetKeyHeld(BYTE* keys, int key, bool held) {
  keys[key] = held ? 0x80 : 0;
}

void MainWindowTest::PressKey(WPARAM key, bool ctrl, bool shift) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  SetKeyHeld(keys, VK_CONTROL, ctrl);
  SetKeyHeld(keys, VK_SHIFT, shift);
  SetKeyboardState(keys);
  HWND target = GetFocus() ? GetFocus() : Main();
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  PumpMessages();
  SetKeyHeld(keys, VK_CONTROL, false);
  SetKeyHeld(keys, VK_SHIFT, false);
  SetKeyboardState(keys);
}

void MainWindowTest::PressAltKey(char letter) {
  HWND target = GetFocus() ? GetFocus() : Main();
  PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(letter), 0x20000001);
  PumpMessages();
}

// The item's letter goes to the menu's own loop once the menu is open, as a
// user's next key does; a menu that has not taken it within 5 s is ended,
// so that the test goes on to report it.
static char g_menuItem = 0;
static int g_menuTicks = 0;
static void CALLBACK PressMenuItem(HWND, UINT, UINT_PTR timer, DWORD) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  bool open = GetGUIThreadInfo(GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE);
  if (open && g_menuItem) {
    PostMessageA(thread.hwndMenuOwner, WM_CHAR, static_cast<unsigned char>(g_menuItem), 1);
    g_menuItem = 0;
  } else if (open && ++g_menuTicks > 100) {
    EndMenu();
  } else if (!open && !g_menuItem) {
    KillTimer(nullptr, timer);
  }
}

void MainWindowTest::ChooseMenuByKeys(char menu, char item) {
  HWND target = GetFocus() ? GetFocus() : Main();
  g_menuItem = item;
  g_menuTicks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, PressMenuItem);
  PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(menu), 0x20000001);
  // Until the menu has come and gone.
  for (int wait = 0; wait < 200 && g_menuItem; ++wait) {
    PumpMessages();
    Sleep(10);
  }
  PumpMessages();
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_menuItem, 0) << "no menu opened for Alt+" << menu;
  g_menuItem = 0;
}

void MainWindowTest::PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for TearDown to see
      return;
    }
    if (PreTranslateMainWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

bool RecordOfFile(const std::string& path, HAL_STRUCT* record) {
  std::string bytes = ReadFileBytes(path);
  RecordLocation location;
  return ReadBinaryHal(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), record,
                       &location);
}
