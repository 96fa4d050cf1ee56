// The View menu's windows and File > Import Timing under Wine: opened by the
// keyboard, following every change a page or a command makes to the record,
// never changing it themselves.
#include <string.h>

#include <functional>

#include "cfg/ui/diagram_painter.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/panel_preview_window.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/timing_diagram_window.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/cfg/ui/window_driver.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

const char kTiming[] =
    "panel-timing {\n"
    "  clock-frequency = <6500000>;\n"
    "  hactive = <240>; hfront-porch = <20>; hsync-len = <30>; hback-porch = <38>;\n"
    "  vactive = <240>; vfront-porch = <4>; vsync-len = <3>; vback-porch = <15>;\n"
    "};\n";

// The diagram's label of the active period of a line, "hactive 320 pixels".
std::string ActiveLabel() {
  for (const DiagramText& text : TimingDiagramView()->Shown().texts)
    if (text.text.compare(0, 8, "hactive ") == 0) return text.text;
  return "<none>";
}

std::string PreviewSize() {
  const PanelPreview& shown = PanelPreviewView()->Shown();
  return std::to_string(shown.image.width) + "x" + std::to_string(shown.image.height);
}

class ViewWindowsTest : public MainWindowTest {
 protected:
  HWND PreviewButton(int id) const { return GetDlgItem(PanelPreviewView()->Handle(), id); }
  void Click(HWND button) {
    SendMessageA(button, BM_CLICK, 0, 0);
    PumpMessages();
  }
  // The keys go to the main window's tabs again once the window system has
  // settled the activation of a view opened before.
  void FocusTabs() {
    for (int attempt = 0; attempt < 10; ++attempt) {
      SetForegroundWindow(Main());
      SetFocus(Tabs());
      for (int i = 0; i < 5; ++i, Sleep(20)) PumpMessages();
      if (GetForegroundWindow() == Main() && GetFocus() == Tabs()) return;
    }
  }
  bool RecordIs(const HAL_STRUCT& record) const {
    return memcmp(&record, &config.WorkingRecord, sizeof record) == 0;
  }
  TempDir folder;
};

}  // namespace

TEST_F(ViewWindowsTest, EachViewOpensByItsKeysFollowsThePagesAndClosesWithEscape) {
  struct Case {
    char letter;
    const char* title;
    std::function<HWND()> window;
    std::function<std::string()> shows;
    const char* before;
    const char* after;
  } const cases[] = {
      {'t', "Timing Diagram", [] { return TimingDiagramView()->Handle(); }, ActiveLabel,
       "hactive 320 pixels", "hactive 160 pixels"},
      {'p', "Panel Preview", [] { return PanelPreviewView()->Handle(); }, PreviewSize, "320x240",
       "160x240"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ClickTab(kPanelPage);
    ChooseEntry(IDC_PANEL_WIDTH, "320");
    HAL_STRUCT record = config.WorkingRecord;
    FocusTabs();
    ChooseMenuByKeys('v', c.letter);
    HWND view = c.window();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(c.shows(), c.before);
    EXPECT_TRUE(RecordIs(record)) << "opening a view changes nothing";

    ChooseEntry(IDC_PANEL_WIDTH, "160");
    EXPECT_EQ(c.shows(), c.after);
    // Chosen again, the open window comes to the front: one of each at most.
    FocusTabs();
    ChooseMenuByKeys('v', c.letter);
    EXPECT_EQ(c.window(), view);
    EXPECT_EQ(GetForegroundWindow(), view);

    SetFocus(view);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(c.window(), nullptr);
  }
}

TEST_F(ViewWindowsTest, ThePreviewSaysWhyTheChipCannotShowARecordAndShowsAChosenPicture) {
  Menu(IDM_VIEW_PANEL_PREVIEW);
  ClickTab(kPreferencePage);
  ClickButton(IDC_PREFERENCE_16BPP);  // 320x240 at 16 bits needs more than 80 KB
  HAL_STRUCT record = config.WorkingRecord;
  EXPECT_FALSE(PanelPreviewView()->Shown().shown);
  EXPECT_EQ(PanelPreviewView()->Shown().reason, BuildPanelPreview(record).reason);

  ClickButton(IDC_PREFERENCE_8BPP);
  std::string picture = folder.File("picture.bmp");
  ASSERT_TRUE(WriteFileBytes(picture, EncodeTestBmp(MakeTestPicture(100, 60, 8, 7))));
  chosenFiles = {picture};
  Click(PreviewButton(IDC_PREVIEW_CHOOSE));
  EXPECT_EQ(PanelPreviewView()->Picture(), picture);
  EXPECT_TRUE(PanelPreviewView()->Shown().image.pixels ==
              BuildPanelPreview(config.WorkingRecord, picture).image.pixels);
  // The picture stays while the record changes, until "Test Card".
  ClickButton(IDC_PREFERENCE_ROTATE_90);
  EXPECT_EQ(PanelPreviewView()->Picture(), picture);
  Click(PreviewButton(IDC_PREVIEW_TEST_CARD));
  EXPECT_EQ(PanelPreviewView()->Picture(), "");
  EXPECT_TRUE(PanelPreviewView()->Shown().image.pixels ==
              BuildPanelPreview(config.WorkingRecord).image.pixels);
}

TEST_F(ViewWindowsTest, ImportTimingByTheKeyboardRebuildsThePageARefusedSourceChangesNothing) {
  ClickTab(kPanelPage);
  Menu(IDM_VIEW_TIMING_DIAGRAM);
  std::string good = folder.File("panel.dts"), bad = folder.File("wide-sync.dts");
  std::string badTiming = kTiming;
  badTiming.replace(badTiming.find("<30>"), 4, "<200>");
  ASSERT_TRUE(WriteFileBytes(good, kTiming));
  ASSERT_TRUE(WriteFileBytes(bad, badTiming));

  HAL_STRUCT before = config.WorkingRecord;
  chosenFiles = {bad};
  FocusTabs();
  ChooseMenuByKeys('f', 't');
  EXPECT_EQ(Messages(), Texts{"ERROR: hsync-len 200 is more than the 128 pixels FPLINE can be!"});
  EXPECT_TRUE(RecordIs(before));
  EXPECT_EQ(Text(IDC_PANEL_WIDTH), "320");

  messages.Clear();
  chosenFiles = {good};
  FocusTabs();
  ChooseMenuByKeys('f', 't');
  EXPECT_EQ(Messages(), Texts{"Pixel clock: 6.500 MHz cannot be had with these clock settings; "
                              "the nearest, 6.666 MHz, is 2.55% higher."});
  EXPECT_EQ(Text(IDC_PANEL_WIDTH), "240");
  EXPECT_EQ(Text(IDC_PANEL_HORIZ_TOTAL), "328");
  EXPECT_EQ(ActiveLabel(), "hactive 240 pixels");
}

// The window's font keeps every text within the room the layout gave it.
TEST_F(ViewWindowsTest, TheDiagramsTextsFitTheirBoxes) {
  Menu(IDM_VIEW_TIMING_DIAGRAM);
  HDC dc = GetDC(TimingDiagramView()->Handle());
  for (const DiagramText& text : TimingDiagramView()->Shown().texts) {
    HFONT font = CreateDiagramFont(text.size, text.bold, 1);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t wide[256] = L"";
    int length = MultiByteToWideChar(CP_UTF8, 0, text.text.c_str(), -1, wide, 256) - 1;
    SIZE size = {};
    GetTextExtentPoint32W(dc, wide, length, &size);
    DiagramBox box = TextBox(text);
    EXPECT_LE(size.cx, box.right - box.left + 1) << text.text;
    SelectObject(dc, old);
    DeleteObject(font);
  }
  ReleaseDC(TimingDiagramView()->Handle(), dc);
}
