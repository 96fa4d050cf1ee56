#include "cfg/ui/export_options_dialog.h"

#include <commctrl.h>

#include "cfg/export/export_options.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/dialog_window.h"
#include "cfg/ui/resource.h"
#include "common/text_read.h"

namespace {

const int kModeNumberControls[] = {IDC_OPTIONS_MODE_LABEL, IDC_OPTIONS_MODE_NUMBER,
                                   IDC_OPTIONS_MODE_SPIN};

class ExportOptionsDialog : public DialogWindow {
 public:
  ExportOptionsDialog(Configuration& config, bool showModeNumber)
      : config_(config), showModeNumber_(showModeNumber) {}

 protected:
  BOOL OnInitialize() override {
    HWND spin = GetDlgItem(Handle(), IDC_OPTIONS_MODE_SPIN);
    SendMessageA(spin, UDM_SETRANGE32, 0, kMaxModeNumber);
    SendMessageA(spin, UDM_SETPOS32, 0, config_.Export.modeNumber);
    bool softwareCursor = config_.Export.softwareCursor == 1;
    SetChecked(Handle(), IDC_OPTIONS_SOFTWARE_CURSOR, softwareCursor);
    SetChecked(Handle(), IDC_OPTIONS_NO_CURSOR, !softwareCursor);
    SetChecked(Handle(), IDC_OPTIONS_BLT_EMULATION, config_.Export.softwareBlitEmulation != 0);
    if (!showModeNumber_)
      for (int id : kModeNumberControls) ShowWindow(GetDlgItem(Handle(), id), SW_HIDE);
    return TRUE;
  }

  bool OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) ButtonClicked(id);
    return true;
  }

  // A step of the up-down control has put the new number into the field.
  bool OnScroll(HWND control, int) override {
    if (control != GetDlgItem(Handle(), IDC_OPTIONS_MODE_SPIN)) return true;
    uint32_t number = 0;
    double fraction = 0;
    std::string text = ControlText(Handle(), IDC_OPTIONS_MODE_NUMBER);
    if (ReadDialogNumber(text.c_str(), &number, &fraction)) SetExportModeNumber(config_, number);
    return true;
  }

 private:
  void ButtonClicked(int id) {
    switch (id) {
      case IDC_OPTIONS_NO_CURSOR:
        config_.Export.softwareCursor = 0;
        break;
      case IDC_OPTIONS_SOFTWARE_CURSOR:
        if (IsChecked(Handle(), id)) config_.Export.softwareCursor = 1;
        break;
      case IDC_OPTIONS_BLT_EMULATION:
        config_.Export.softwareBlitEmulation = IsChecked(Handle(), id) ? 1 : 0;
        break;
      case IDOK:
      case IDCANCEL:
        EndDialog(Handle(), id);
        break;
      default:
        break;
    }
  }

  Configuration& config_;
  bool showModeNumber_;
};

}  // namespace

void RunExportOptions(HWND owner, Configuration& config, bool showModeNumber) {
  ExportOptionsDialog dialog(config, showModeNumber);
  dialog.RunModal(GetModuleHandleA(nullptr), IDD_EXPORT_OPTIONS, owner);
}
