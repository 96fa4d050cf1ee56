// What the program's resources make of the main window: its menu, its size
// and style, and what the built 56420CFG.EXE carries (version, icon, logo).
#include <stdlib.h>

#include "cfg/ui/resource.h"
#include "tests/cfg/ui/window_driver.h"

namespace {

struct MenuItem {
  UINT id;  // 0 for a separator
  std::string text;
};

std::vector<MenuItem> ItemsOf(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    items.push_back({state & MF_SEPARATOR ? 0 : GetMenuItemID(menu, i), text});
  }
  return items;
}

bool operator==(const MenuItem& a, const MenuItem& b) {
  return a.id == b.id && a.text == b.text;
}

void PrintTo(const MenuItem& item, std::ostream* out) {
  *out << item.id << " \"" << item.text << "\"";
}

// A template's rectangle in pixels, mapped as the dialog manager maps it:
// position and size each on their own.
RECT DialogRect(HWND dialog, int left, int top, int width, int height) {
  RECT mapped = {left, top, width, height};
  MapDialogRect(dialog, &mapped);
  return {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
}

std::string BuiltConfigurator() {
  const char* binary = getenv("QLC_BINARY_DIR");
  return WindowsPath(std::string(binary ? binary : ".") + "/bin/56420CFG.EXE");
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  char* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
    return "<none>";
  return std::string(value, length ? length - 1 : 0);
}

}  // namespace

TEST_F(MainWindowTest, TheMenuHoldsTheFileViewAndHelpCommands) {
  HMENU bar = GetMenu(Main());
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  char title[32] = "";
  GetMenuStringA(bar, 0, title, sizeof title, MF_BYPOSITION);
  EXPECT_STREQ(title, "&File");
  GetMenuStringA(bar, 1, title, sizeof title, MF_BYPOSITION);
  EXPECT_STREQ(title, "&View");
  GetMenuStringA(bar, 2, title, sizeof title, MF_BYPOSITION);
  EXPECT_STREQ(title, "&Help");
  EXPECT_EQ(ItemsOf(GetSubMenu(bar, 0)),
            (std::vector<MenuItem>{
                {IDM_FILE_OPEN, "&Open..."},
                {IDM_FILE_IMPORT_TIMING, "Import &Timing..."},
                {IDM_FILE_SAVE, "&Save"},
                {IDM_FILE_SAVE_AS, "Save &As..."},
                {0, ""},
                {IDM_FILE_CONFIGURE_MULTIPLE, "Configure &Multiple..."},
                {IDM_FILE_EXPORT, "&Export..."},
                {0, ""},
                {IDM_FILE_EXIT, "E&xit"},
            }));
  // No web address to open: the web item is left out with its separator.
  EXPECT_EQ(ItemsOf(GetSubMenu(bar, 2)), (std::vector<MenuItem>{
                                             {IDM_HELP_TOOLTIPS, "Enable &ToolTips"},
                                             {0, ""},
                                             {IDM_HELP_ABOUT, "&About 56420CFG"},
                                         }));
}

TEST_F(MainWindowTest, TheWindowHasItsTemplatesSizeAndIsNotResizable) {
  // The template's size holds the client area and the menu bar below the
  // caption (the menu comes with the window class, not the template).
  RECT client, expected = DialogRect(Main(), 0, 0, 314, 222);
  GetClientRect(Main(), &client);
  MENUBARINFO bar = {};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetMenuBarInfo(Main(), OBJID_MENU, 0, &bar));
  EXPECT_EQ(client.right, expected.right);
  EXPECT_EQ(client.bottom + (bar.rcBar.bottom - bar.rcBar.top), expected.bottom);
  RECT tabs = RectIn(Tabs(), Main()), expectedTabs = DialogRect(Main(), 7, 7, 300, 197);
  EXPECT_TRUE(EqualRect(&tabs, &expectedTabs));
  EXPECT_EQ(GetDlgCtrlID(Tabs()), IDC_MAIN_TABS);

  LONG style = GetWindowLongA(Main(), GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(GetClassLongPtrA(Main(), GCLP_HICON), 0);
}

TEST(ConfiguratorProgram, CarriesItsVersionIconAndLogo) {
  std::string program = BuiltConfigurator();
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(program.c_str(), &handle);
  ASSERT_GT(size, 0u) << program;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00090000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00090000u);
  EXPECT_EQ(VersionString(block, "ProductVersion"), "1.09");
  EXPECT_EQ(VersionString(block, "FileDescription"), "56420CFG");
  EXPECT_EQ(VersionString(block, "InternalName"), "56420CFG");

  HMODULE file = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(file, nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(IDI_PROGRAM), RT_GROUP_ICON), nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(IDB_LOGO), RT_BITMAP), nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(IDR_MAIN_MENU), RT_MENU), nullptr);
  EXPECT_NE(FindResourceA(file, MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG), nullptr);
  // Its manifest: current common controls, DPI awareness, UTF-8 file names.
  HRSRC manifest = FindResourceA(file, MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(file, manifest))),
                   SizeofResource(file, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls\" version=\"6."), std::string::npos);
  EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
  EXPECT_NE(text.find(">UTF-8<"), std::string::npos);
  FreeLibrary(file);
  // The test program carries the same manifest, and the system honours it.
  EXPECT_TRUE(IsProcessDPIAware());
  EXPECT_EQ(GetACP(), 65001u);
}
