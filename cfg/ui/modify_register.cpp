// Modify Register dialog: the entry and its radix buttons; reading, converting
// and checking the value are the record logic's.
#include "cfg/ui/modify_register.h"

#include "cfg/pages/registers/register_entry.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/dialog_window.h"
#include "cfg/ui/resource.h"
#include "common/register_catalogue.h"

namespace {

class ModifyRegisterDialog : public DialogWindow {
 public:
  ModifyRegisterDialog(Configuration& config, unsigned index) : config_(config), index_(index) {}

 protected:
  BOOL OnInitialize() override {
    SetWindowTextA(Handle(), ModifyRegisterTitle(index_).c_str());
    SetControlText(Handle(), IDC_MODIFY_VALUE,
                   RegisterValueText(config_.GetRegister(index_), radix_));
    SetChecked(Handle(), IDC_MODIFY_HEXADECIMAL, true);
    SetChecked(Handle(), IDC_MODIFY_DECIMAL, false);
    SetControlText(Handle(), IDC_MODIFY_DESCRIPTION, RegisterDescription(index_));
    MarkRegisterModified(config_, index_);  // whether the dialog ends with OK or Cancel
    return TRUE;
  }

  bool OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDC_MODIFY_DECIMAL:
      case IDC_MODIFY_HEXADECIMAL:
        if (code == BN_CLICKED) RadixClicked();
        return true;
      case IDOK:
        OkClicked();
        return true;
      case IDCANCEL:
        EndDialog(Handle(), IDCANCEL);
        return true;
      default:
        return false;
    }
  }

 private:
  void RadixClicked() {
    RegisterRadix radix =
        IsChecked(Handle(), IDC_MODIFY_DECIMAL) ? kDecimalRadix : kHexadecimalRadix;
    if (radix == radix_) return;
    std::string typed = ControlText(Handle(), IDC_MODIFY_VALUE);
    SetControlText(Handle(), IDC_MODIFY_VALUE, ConvertRegisterValueText(typed, radix_, radix));
    radix_ = radix;
  }

  void OkClicked() {
    if (TakeRegisterValue(config_, index_, ControlText(Handle(), IDC_MODIFY_VALUE), radix_)) {
      EndDialog(Handle(), IDOK);
      return;
    }
    FocusControl(Handle(), IDC_MODIFY_VALUE);
  }

  Configuration& config_;
  unsigned index_;
  RegisterRadix radix_ = kHexadecimalRadix;  // the radix the entry is written in
};

}  // namespace

bool RunModifyRegister(HWND owner, Configuration& config, unsigned index) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  ModifyRegisterDialog dialog(config, index);
  return dialog.RunModal(instance, IDD_MODIFY_REGISTER, owner) == IDOK;
}
