// Panel Power page: the two LCD power sequencing delays, taken at close.
#include "cfg/pages/panel_power/panel_power.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

static_assert(IDC_POWER_OFF_DELAY == kCtlPowerOffDelay && IDC_POWER_ON_DELAY == kCtlPowerOnDelay,
              "the rule names the page's fields");

static void OpenPanelPowerPage(HWND page) {
  Configuration& config = WindowConfiguration();
  SetPanelMessageOwner(page);  // the rule's boxes belong to this page
  SetDlgItemInt(page, IDC_POWER_OFF_DELAY, config.WorkingRecord.PowerOffDelay, FALSE);
  SetDlgItemInt(page, IDC_POWER_ON_DELAY, config.WorkingRecord.PowerOnDelay, FALSE);
}

static void ClosePanelPowerPage(HWND page) {
  Configuration& config = WindowConfiguration();
  std::string off = ControlText(page, IDC_POWER_OFF_DELAY);
  std::string on = ControlText(page, IDC_POWER_ON_DELAY);
  if (TakePowerDelays(config, off.c_str(), on.c_str())) {
    ReportRecalculatedRegisters(config);
    return;
  }
  CarryOutPanelFocusRequests(page);
  RefusePageClose(page);
}

INT_PTR CALLBACK PanelPowerPageProc(HWND page, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OpenPanelPowerPage(page);
      return TRUE;
    case kMsgPageClose:
      ClosePanelPowerPage(page);
      return TRUE;
    case WM_DESTROY:
      if (PanelMessageOwner() == page) SetPanelMessageOwner(nullptr);
      return FALSE;
    default:
      return FALSE;
  }
}
