#include "cfg/ui/export_options_dialog.h"

#include <commctrl.h>

#include "cfg/export/export_options.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "common/text_read.h"

static const int kModeNumberControls[] = {IDC_OPTIONS_MODE_LABEL, IDC_OPTIONS_MODE_NUMBER,
                                          IDC_OPTIONS_MODE_SPIN};

static void OpenExportOptions(HWND dialog, bool showModeNumber) {
  Configuration& config = WindowConfiguration();
  HWND spin = GetDlgItem(dialog, IDC_OPTIONS_MODE_SPIN);
  SendMessageA(spin, UDM_SETRANGE32, 0, kMaxModeNumber);
  SendMessageA(spin, UDM_SETPOS32, 0, config.Export.modeNumber);
  bool softwareCursor = config.Export.softwareCursor == 1;
  SetChecked(dialog, IDC_OPTIONS_SOFTWARE_CURSOR, softwareCursor);
  SetChecked(dialog, IDC_OPTIONS_NO_CURSOR, !softwareCursor);
  SetChecked(dialog, IDC_OPTIONS_BLT_EMULATION, config.Export.softwareBlitEmulation != 0);
  if (!showModeNumber)
    for (int id : kModeNumberControls) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

static void ButtonClicked(HWND dialog, int id) {
  Configuration& config = WindowConfiguration();
  switch (id) {
    case IDC_OPTIONS_NO_CURSOR:
      config.Export.softwareCursor = 0;
      break;
    case IDC_OPTIONS_SOFTWARE_CURSOR:
      if (IsChecked(dialog, id)) config.Export.softwareCursor = 1;
      break;
    case IDC_OPTIONS_BLT_EMULATION:
      config.Export.softwareBlitEmulation = IsChecked(dialog, id) ? 1 : 0;
      break;
    case IDOK:
    case IDCANCEL:
      EndDialog(dialog, id);
      break;
    default:
      break;
  }
}

// A step of the up-down control has put the new number into the field.
static void ModeNumberStepped(HWND dialog) {
  Configuration& config = WindowConfiguration();
  uint32_t number = 0;
  double fraction = 0;
  if (ReadDialogNumber(ControlText(dialog, IDC_OPTIONS_MODE_NUMBER).c_str(), &number, &fraction))
    SetExportModeNumber(config, number);
}

static INT_PTR CALLBACK ExportOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(dialog);
  switch (message) {
    case WM_INITDIALOG:
      OpenExportOptions(dialog, lParam != 0);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) ButtonClicked(dialog, LOWORD(wParam));
      return TRUE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_OPTIONS_MODE_SPIN))
        ModeNumberStepped(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

void RunExportOptions(HWND owner, bool showModeNumber) {
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT_OPTIONS), owner,
                  ExportOptionsProc, showModeNumber ? 1 : 0);
}
