// The pages as the window system lays them out under the page font: every
// text fits its control, no two controls overlap, each control lies wholly
// inside a group box or outside all of them, and the page fits the tab
// control's display area.
#include <string>

#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/resource.h"
#include "tests/cfg/ui/window_driver.h"

namespace {

struct Control {
  HWND window;
  int id;
  RECT rect;  // in the page's client coordinates
  std::string className;
  LONG style;
  std::string text;
};

std::string Describe(const Control& control) {
  return control.className + " " + std::to_string(control.id) + " \"" + control.text + "\"";
}

bool IsGroupBox(const Control& control) {
  return control.className == "Button" && (control.style & 0x0F) == BS_GROUPBOX;
}

bool IsCheckOrRadio(const Control& control) {
  LONG kind = control.style & 0x0F;
  return control.className == "Button" && kind != BS_GROUPBOX && kind != BS_PUSHBUTTON &&
         kind != BS_DEFPUSHBUTTON;
}

// The size a text needs in a control's font, wrapped at width (or on one
// line when width is 0).
SIZE TextSize(HWND control, const std::string& text, int width) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT rect = {0, 0, width, 0};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (width ? DT_WORDBREAK : DT_SINGLELINE);
  DrawTextA(dc, text.c_str(), -1, &rect, flags);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

class LayoutTest : public MainWindowTest {
 protected:
  std::vector<Control> Controls() {
    std::vector<Control> controls;
    for (HWND child = GetWindow(Page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      Control control;
      control.window = child;
      control.id = GetDlgCtrlID(child);
      control.rect = RectIn(child, Page());
      char name[64] = "";
      GetClassNameA(child, name, sizeof name);
      control.className = name;
      control.style = GetWindowLongA(child, GWL_STYLE);
      char text[512] = "";
      GetWindowTextA(child, text, sizeof text);
      control.text = text;
      controls.push_back(control);
    }
    return controls;
  }

  void ExpectTextsFit(const std::vector<Control>& controls) {
    for (const Control& control : controls) {
      RECT client;
      GetClientRect(control.window, &client);
      int width = client.right, height = client.bottom;
      if (control.className == "Static" && !control.text.empty()) {
        SIZE needed = TextSize(control.window, control.text, width);
        EXPECT_LE(needed.cx, width) << Describe(control);
        EXPECT_LE(needed.cy, height) << Describe(control) << " wraps";
      } else if (IsCheckOrRadio(control)) {
        SIZE needed = TextSize(control.window, control.text, 0);
        EXPECT_LE(needed.cx + GetSystemMetrics(SM_CXMENUCHECK) + 3, width) << Describe(control);
      } else if (IsGroupBox(control)) {
        SIZE needed = TextSize(control.window, control.text, 0);
        EXPECT_LE(needed.cx + 12, width) << Describe(control);
      } else if (control.className == "ComboBox") {
        // Every entry shows whole beside the drop-down arrow.
        for (const std::string& entry : ComboEntries(control.window)) {
          SIZE needed = TextSize(control.window, entry, 0);
          EXPECT_LE(needed.cx + GetSystemMetrics(SM_CXVSCROLL) + 6, width)
              << Describe(control) << " entry " << entry;
        }
      }
    }
  }

  void ExpectNoOverlaps(const std::vector<Control>& controls) {
    for (size_t i = 0; i < controls.size(); ++i) {
      for (size_t j = i + 1; j < controls.size(); ++j) {
        const Control& a = controls[i];
        const Control& b = controls[j];
        RECT common;
        bool overlap = IntersectRect(&common, &a.rect, &b.rect) != 0;
        if (IsGroupBox(a) == IsGroupBox(b)) {
          EXPECT_FALSE(overlap) << Describe(a) << " overlaps " << Describe(b);
          continue;
        }
        // A control and a group box: wholly inside it or apart from it.
        const Control& box = IsGroupBox(a) ? a : b;
        const Control& inner = IsGroupBox(a) ? b : a;
        bool inside = EqualRect(&common, &inner.rect) != 0;
        EXPECT_TRUE(!overlap || inside) << Describe(inner) << " crosses " << Describe(box);
      }
    }
  }

  void ExpectPageFitsTheTabs() {
    RECT area = DisplayArea(), page = RectIn(Page(), Tabs());
    EXPECT_LE(page.right, area.right);
    EXPECT_LE(page.bottom, area.bottom);
    for (const Control& control : Controls()) {
      EXPECT_LE(control.rect.right, page.right - page.left) << Describe(control);
      EXPECT_LE(control.rect.bottom, page.bottom - page.top) << Describe(control);
    }
  }

  void CheckLayout(int page) {
    ASSERT_TRUE(ClickTab(page));
    std::vector<Control> controls = Controls();
    ASSERT_FALSE(controls.empty());
    ExpectTextsFit(controls);
    ExpectNoOverlaps(controls);
    ExpectPageFitsTheTabs();
  }
};

}  // namespace

TEST_F(LayoutTest, GeneralPage) {
  CheckLayout(kGeneralPage);
}

TEST_F(LayoutTest, PreferencePage) {
  CheckLayout(kPreferencePage);
}

// The widest read-outs the clocks give: 100 MHz inputs and every divide 1.
TEST_F(LayoutTest, ClocksPage) {
  WorkingRecord.ClkI = WorkingRecord.ClkI2 = WorkingRecord.BusClk = 100000;
  SetRegister(REG_PCLK_CONFIG, 0x02);
  CheckLayout(kClocksPage);
  EXPECT_EQ(Text(IDC_CLOCKS_PCLK_TIMING), " 100.000 MHz");
}

TEST_F(LayoutTest, PanelPowerPage) {
  WorkingRecord.PowerOffDelay = WorkingRecord.PowerOnDelay = 65535;
  CheckLayout(kPanelPowerPage);
}
