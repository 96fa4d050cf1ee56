// The About box under Wine: its texts, the logo drawn with white left
// transparent, the dark-blue version line, and the keys that close it.
#include "cfg/ui/page_colours.h"
#include "cfg/ui/resource.h"
#include "common/copyright.h"
#include "tests/cfg/ui/modal_driver.h"
#include "tests/cfg/ui/window_driver.h"

using Texts = std::vector<std::string>;

namespace {

const char kTitle[] = "About 56420CFG";

struct AboutView {
  std::string version, description, notice1, notice2, ok;
  COLORREF versionColour = 0;
  COLORREF corner = 0, centre = 0;
  int logoWidth = 0, logoHeight = 0;
};

AboutView ViewOf(HWND box) {
  AboutView view;
  view.version = WindowText(GetDlgItem(box, IDC_ABOUT_VERSION));
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (WindowText(child).compare(0, 17, "This program is u") == 0)
      view.description = WindowText(child);
  view.notice1 = WindowText(GetDlgItem(box, IDC_ABOUT_NOTICE_1));
  view.notice2 = WindowText(GetDlgItem(box, IDC_ABOUT_NOTICE_2));
  view.ok = WindowText(GetDlgItem(box, IDOK));
  HDC dc = GetDC(box);
  SetTextColor(dc, RGB(1, 2, 3));
  SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDC_ABOUT_VERSION)));
  view.versionColour = GetTextColor(dc);
  ReleaseDC(box, dc);
  HWND logo = GetDlgItem(box, IDC_ABOUT_LOGO);
  RECT area;
  GetClientRect(logo, &area);
  view.logoWidth = area.right;
  view.logoHeight = area.bottom;
  UpdateWindow(box);
  HDC logoDc = GetDC(logo);
  view.corner = GetPixel(logoDc, 1, 1);
  view.centre = GetPixel(logoDc, 36, 30);
  ReleaseDC(logo, logoDc);
  return view;
}

}  // namespace

TEST_F(MainWindowTest, TheAboutBoxShowsTheVersionTheLogoAndClosesWithOkEnterOrEsc) {
  ModalScript script;
  AboutView view;
  script.Then(kTitle, [&](HWND box) {
    view = ViewOf(box);
    PostKey(GetFocus(), VK_ESCAPE);
  });
  script.Then(kTitle, [&](HWND) { PostKey(GetFocus(), VK_RETURN); });
  script.Then(kTitle, [&](HWND box) { PostClick(box, IDOK); });
  for (int i = 0; i < 3; ++i) Menu(IDM_HELP_ABOUT);
  EXPECT_EQ(script.Missed(), Texts{});
  EXPECT_EQ(view.version, "56420CFG Version 1.09");
  EXPECT_EQ(view.description,
            "This program is used to view and configure display information and to create header "
            "files of register values for compilation in other programs.");
  EXPECT_EQ(view.notice1, kCopyrightLines[0]);
  EXPECT_EQ(view.notice2, kCopyrightLines[1]);
  EXPECT_EQ(view.ok, "OK");
  EXPECT_EQ(view.versionColour, kNoteColour);
  // The logo's white surround shows the dialog's own colour; its picture does not.
  EXPECT_EQ(view.corner, GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(view.centre, GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(view.centre, RGB(255, 255, 255));
  EXPECT_GE(view.logoWidth, 72);
  EXPECT_GE(view.logoHeight, 60);
}
