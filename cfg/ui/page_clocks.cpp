// Clocks page: the lists and read-outs of a ClocksPage; every decision is the
// clock logic's.
#include "cfg/pages/clocks/clocks_page.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

namespace {

struct ListControl {
  int id;
  int field;  // as the clock logic names the entry
  ChoiceList ClocksPage::*list;
};
const ListControl kLists[] = {
    {IDC_CLOCKS_CLKI, kClkiField, &ClocksPage::clki},
    {IDC_CLOCKS_CLKI2, kClki2Field, &ClocksPage::clki2},
    {IDC_CLOCKS_PCLK_SOURCE, kPclkSourceField, &ClocksPage::pclkSource},
    {IDC_CLOCKS_PCLK_DIVIDE, kPclkDivideField, &ClocksPage::pclkDivide},
    {IDC_CLOCKS_BCLK_SOURCE, kBclkSourceField, &ClocksPage::bclkSource},
    {IDC_CLOCKS_BCLK_DIVIDE, kBclkDivideField, &ClocksPage::bclkDivide},
    {IDC_CLOCKS_MCLK_DIVIDE, kMclkDivideField, &ClocksPage::mclkDivide},
    {IDC_CLOCKS_PWM_SOURCE, kPwmSourceField, &ClocksPage::pwmSource},
    {IDC_CLOCKS_PWM_DIVIDE, kPwmDivideField, &ClocksPage::pwmDivide},
    {IDC_CLOCKS_CV_DIVIDE, kCvDivideField, &ClocksPage::cvDivide},
    {IDC_CLOCKS_DUTY_CYCLE, kDutyCycleField, &ClocksPage::dutyCycle},
    {IDC_CLOCKS_BURST_LENGTH, kBurstLengthField, &ClocksPage::burstLength},
};

struct CheckControl {
  int id;
  bool ClocksPage::*checked;
};
const CheckControl kChecks[] = {
    {IDC_CLOCKS_PWM_ENABLE, &ClocksPage::pwmEnable},
    {IDC_CLOCKS_PWM_FORCE_HIGH, &ClocksPage::pwmForceHigh},
    {IDC_CLOCKS_CV_ENABLE, &ClocksPage::cvEnable},
    {IDC_CLOCKS_CV_FORCE_HIGH, &ClocksPage::cvForceHigh},
};

struct TextControl {
  int id;
  std::string ClocksPage::*text;
};
const TextControl kReadouts[] = {
    {IDC_CLOCKS_CLKI_AUTO, &ClocksPage::clkiReadout},
    {IDC_CLOCKS_CLKI2_AUTO, &ClocksPage::clki2Readout},
    {IDC_CLOCKS_PCLK_TIMING, &ClocksPage::pclkReadout},
    {IDC_CLOCKS_BCLK_TIMING, &ClocksPage::bclkReadout},
    {IDC_CLOCKS_MCLK_TIMING, &ClocksPage::mclkReadout},
    {IDC_CLOCKS_PWM_TIMING, &ClocksPage::pwmReadout},
    {IDC_CLOCKS_CV_TIMING, &ClocksPage::cvReadout},
    {IDC_CLOCKS_CV_SOURCE, &ClocksPage::cvSource},
};

const ListControl* ListOfField(int field) {
  for (const ListControl& control : kLists)
    if (control.field == field) return &control;
  return nullptr;
}

const ListControl* ListOfControl(int id) {
  for (const ListControl& control : kLists)
    if (control.id == id) return &control;
  return nullptr;
}

// How much of the page ShowClocks brings up to date.
enum ShowScope {
  kNewPage,       // every control as the template made it
  kChangedLists,  // a change: lists whose entries changed, new selections
  kWholeRecord,   // the page shown again: everything that differs
};

class ClocksWindow : public DialogWindow {
 public:
  explicit ClocksWindow(Configuration& config) : config_(config) {}

 protected:
  BOOL OnInitialize() override {
    OpenClocksPage(config_, &clocks_);
    ShowClocks(kNewPage);
    return TRUE;
  }

  void OnShow() override {
    clocks_ = ClocksPage();
    OpenClocksPage(config_, &clocks_);
    ShowClocks(kWholeRecord);
  }

  bool OnCommand(int id, int code, HWND) override {
    ListChanged(id, code);
    return true;
  }

  bool OnClose() override {
    ReadClocks(0);
    int focus = 0;
    if (CloseClocksPage(config_, &clocks_, &focus)) {
      ReportRecalculatedRegisters(config_);
      return true;
    }
    if (const ListControl* list = ListOfField(focus)) FocusControl(Handle(), list->id);
    return false;
  }

  INT_PTR OnColour(HDC dc, HWND control) override {
    return NoteColours(dc, control,
                       {IDC_CLOCKS_NOTE, IDC_CLOCKS_CLKI_AUTO, IDC_CLOCKS_CLKI2_AUTO,
                        IDC_CLOCKS_PCLK_TIMING, IDC_CLOCKS_BCLK_TIMING, IDC_CLOCKS_MCLK_TIMING,
                        IDC_CLOCKS_PWM_TIMING, IDC_CLOCKS_CV_TIMING, IDC_CLOCKS_CV_SOURCE});
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) override {
    if (message != WM_RBUTTONDBLCLK) return false;
    RightDoubleClick(wParam);
    *result = TRUE;
    return true;
  }

 private:
  // Shows what changed in clocks_. A change refills only lists whose entries
  // changed since they were last shown, so that typing in an input list is
  // not disturbed; a page shown again compares with what the controls hold.
  void ShowClocks(ShowScope scope) {
    for (const ListControl& control : kLists) {
      const ChoiceList& now = clocks_.*control.list;
      const ChoiceList& shown = shown_.*control.list;
      if (scope == kWholeRecord)
        UpdateChoiceList(Control(control.id), now);
      else if (scope == kNewPage || now.entries != shown.entries)
        ShowChoiceList(Control(control.id), now);
      else if (now.selected >= 0 && now.selected != shown.selected)
        SendMessageA(Control(control.id), CB_SETCURSEL, static_cast<WPARAM>(now.selected), 0);
    }
    // A new page starts with empty read-outs and unchecked boxes.
    for (const TextControl& control : kReadouts) {
      const std::string& text = clocks_.*control.text;
      if (scope == kWholeRecord)
        ShowText(Control(control.id), text);
      else if (scope == kNewPage ? !text.empty() : text != shown_.*control.text)
        SetWindowTextA(Control(control.id), text.c_str());
    }
    if (scope != kChangedLists)
      for (const CheckControl& control : kChecks)
        ShowChecked(Control(control.id), clocks_.*control.checked);
    shown_ = clocks_;
  }

  // Takes every list's selection and text and the check boxes from the page.
  void ReadClocks(int changingList) {
    for (const ListControl& control : kLists)
      ReadChoiceList(Control(control.id), &(clocks_.*control.list), control.id == changingList);
    for (const CheckControl& control : kChecks)
      clocks_.*control.checked = IsChecked(Control(control.id));
    shown_ = clocks_;
  }

  void ListChanged(int id, int notification) {
    bool inputList = id == IDC_CLOCKS_CLKI || id == IDC_CLOCKS_CLKI2;
    bool handled = notification == CBN_SELCHANGE ||
                   (inputList && (notification == CBN_EDITCHANGE || notification == CBN_KILLFOCUS));
    const ListControl* list = ListOfControl(id);
    if (!handled || !list) return;
    ReadClocks(notification == CBN_SELCHANGE ? id : 0);
    ChangeClocksPage(config_, &clocks_, list->field);
    ShowClocks(kChangedLists);
  }

  // Ctrl+Shift and a right double-click on the page itself offer CLKI2 as
  // the bus clock source.
  void RightDoubleClick(WPARAM keys) {
    if ((keys & (MK_CONTROL | MK_SHIFT)) != (MK_CONTROL | MK_SHIFT)) return;
    ReadClocks(0);
    EnableClki2BusClock(config_, &clocks_);
    ShowClocks(kChangedLists);
  }

  Configuration& config_;
  ClocksPage clocks_;  // what the logic holds
  ClocksPage shown_;   // what the controls show
};

}  // namespace

std::unique_ptr<DialogWindow> MakeClocksPage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new ClocksWindow(config));
}
