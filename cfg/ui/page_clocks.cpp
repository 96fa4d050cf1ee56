// Clocks page: the lists and read-outs of a ClocksPage; every decision is the
// clock logic's.
#include "cfg/pages/clocks/clocks_page.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

// One page at a time: what the logic holds and what the controls show.
static ClocksPage g_clocks;
static ClocksPage g_shown;

struct ListControl {
  int id;
  int field;  // as the clock logic names the entry
  ChoiceList ClocksPage::*list;
};
static const ListControl kLists[] = {
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
static const CheckControl kChecks[] = {
    {IDC_CLOCKS_PWM_ENABLE, &ClocksPage::pwmEnable},
    {IDC_CLOCKS_PWM_FORCE_HIGH, &ClocksPage::pwmForceHigh},
    {IDC_CLOCKS_CV_ENABLE, &ClocksPage::cvEnable},
    {IDC_CLOCKS_CV_FORCE_HIGH, &ClocksPage::cvForceHigh},
};

struct TextControl {
  int id;
  std::string ClocksPage::*text;
};
static const TextControl kReadouts[] = {
    {IDC_CLOCKS_CLKI_AUTO, &ClocksPage::clkiReadout},
    {IDC_CLOCKS_CLKI2_AUTO, &ClocksPage::clki2Readout},
    {IDC_CLOCKS_PCLK_TIMING, &ClocksPage::pclkReadout},
    {IDC_CLOCKS_BCLK_TIMING, &ClocksPage::bclkReadout},
    {IDC_CLOCKS_MCLK_TIMING, &ClocksPage::mclkReadout},
    {IDC_CLOCKS_PWM_TIMING, &ClocksPage::pwmReadout},
    {IDC_CLOCKS_CV_TIMING, &ClocksPage::cvReadout},
    {IDC_CLOCKS_CV_SOURCE, &ClocksPage::cvSource},
};

// Shows what changed in g_clocks since it was last shown (all of it when
// everything is new): lists are refilled only when their entries changed, so
// that typing in an input list is not disturbed.
static void ShowClocks(HWND page, bool everything) {
  for (const ListControl& control : kLists) {
    const ChoiceList& now = g_clocks.*control.list;
    const ChoiceList& shown = g_shown.*control.list;
    if (everything || now.entries != shown.entries)
      ShowChoiceList(page, control.id, now);
    else if (now.selected >= 0 && now.selected != shown.selected)
      SendDlgItemMessageA(page, control.id, CB_SETCURSEL, static_cast<WPARAM>(now.selected), 0);
  }
  // A new page starts with empty read-outs and unchecked boxes.
  for (const TextControl& control : kReadouts) {
    const std::string& text = g_clocks.*control.text;
    if (everything ? !text.empty() : text != g_shown.*control.text)
      SetControlText(page, control.id, text);
  }
  if (everything)
    for (const CheckControl& control : kChecks)
      if (g_clocks.*control.checked) SetChecked(page, control.id, true);
  g_shown = g_clocks;
}

// Takes every list's selection and text and the check boxes from the page.
static void ReadClocks(HWND page, int changingList) {
  for (const ListControl& control : kLists)
    ReadChoiceList(page, control.id, &(g_clocks.*control.list), control.id == changingList);
  for (const CheckControl& control : kChecks)
    g_clocks.*control.checked = IsChecked(page, control.id);
  g_shown = g_clocks;
}

static const ListControl* ListOfField(int field) {
  for (const ListControl& control : kLists)
    if (control.field == field) return &control;
  return nullptr;
}

static const ListControl* ListOfControl(int id) {
  for (const ListControl& control : kLists)
    if (control.id == id) return &control;
  return nullptr;
}

static void ListChanged(HWND page, int id, int notification) {
  Configuration& config = WindowConfiguration();
  bool inputList = id == IDC_CLOCKS_CLKI || id == IDC_CLOCKS_CLKI2;
  bool handled = notification == CBN_SELCHANGE ||
                 (inputList && (notification == CBN_EDITCHANGE || notification == CBN_KILLFOCUS));
  const ListControl* list = ListOfControl(id);
  if (!handled || !list) return;
  ReadClocks(page, notification == CBN_SELCHANGE ? id : 0);
  ChangeClocksPage(config, &g_clocks, list->field);
  ShowClocks(page, false);
}

static void CloseClocks(HWND page) {
  Configuration& config = WindowConfiguration();
  ReadClocks(page, 0);
  int focus = 0;
  if (CloseClocksPage(config, &g_clocks, &focus)) {
    ReportRecalculatedRegisters(config);
    return;
  }
  if (const ListControl* list = ListOfField(focus)) FocusControl(page, list->id);
  RefusePageClose(page);
}

// Ctrl+Shift and a right double-click on the page itself offer CLKI2 as the
// bus clock source.
static void RightDoubleClick(HWND page, WPARAM keys) {
  Configuration& config = WindowConfiguration();
  if ((keys & (MK_CONTROL | MK_SHIFT)) != (MK_CONTROL | MK_SHIFT)) return;
  ReadClocks(page, 0);
  EnableClki2BusClock(config, &g_clocks);
  ShowClocks(page, false);
}

INT_PTR CALLBACK ClocksPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  Configuration& config = WindowConfiguration();
  MessageOwnerScope owner(page);
  switch (message) {
    case WM_INITDIALOG:
      g_clocks = ClocksPage();
      OpenClocksPage(config, &g_clocks);
      ShowClocks(page, true);
      return TRUE;
    case WM_COMMAND:
      ListChanged(page, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_RBUTTONDBLCLK:
      RightDoubleClick(page, wParam);
      return TRUE;
    case kMsgPageClose:
      CloseClocks(page);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return NoteColours(wParam, lParam,
                         {IDC_CLOCKS_NOTE, IDC_CLOCKS_CLKI_AUTO, IDC_CLOCKS_CLKI2_AUTO,
                          IDC_CLOCKS_PCLK_TIMING, IDC_CLOCKS_BCLK_TIMING, IDC_CLOCKS_MCLK_TIMING,
                          IDC_CLOCKS_PWM_TIMING, IDC_CLOCKS_CV_TIMING, IDC_CLOCKS_CV_SOURCE});
    default:
      return FALSE;
  }
}
