// Panel Power page: the two LCD power sequencing delays, taken at close.
#include "cfg/pages/panel_power/panel_power.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

static const FieldControl kFieldControls[] = {
    {kPowerOffDelayField, IDC_POWER_OFF_DELAY, false},
    {kPowerOnDelayField, IDC_POWER_ON_DELAY, false},
};

// The fields the rule's refusals name, until the page focuses them.
static std::vector<int> g_fieldRequests;

static void OpenPanelPowerPage(HWND page) {
  Configuration& config = WindowConfiguration();
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
  CarryOutFieldRequests(page, &g_fieldRequests, kFieldControls,
                        sizeof kFieldControls / sizeof kFieldControls[0]);
  RefusePageClose(page);
}

INT_PTR CALLBACK PanelPowerPageProc(HWND page, UINT message, WPARAM, LPARAM) {
  MessageOwnerScope owner(page, &g_fieldRequests);
  switch (message) {
    case WM_INITDIALOG:
      OpenPanelPowerPage(page);
      return TRUE;
    case kMsgPageClose:
      ClosePanelPowerPage(page);
      return TRUE;
    default:
      return FALSE;
  }
}
