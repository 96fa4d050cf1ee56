// Modify Register dialog: the entry and its radix buttons; reading, converting
// and checking the value are the record logic's.
#include "cfg/ui/modify_register.h"

#include "cfg/pages/registers/register_entry.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "common/register_catalogue.h"

// One dialog at a time: its register and the radix the entry is written in.
static unsigned g_index = 0;
static RegisterRadix g_radix = kHexadecimalRadix;

static void OpenModifyRegister(HWND dialog, unsigned index) {
  Configuration& config = WindowConfiguration();
  g_index = index;
  g_radix = kHexadecimalRadix;
  SetWindowTextA(dialog, ModifyRegisterTitle(index).c_str());
  SetControlText(dialog, IDC_MODIFY_VALUE, RegisterValueText(config.GetRegister(index), g_radix));
  SetChecked(dialog, IDC_MODIFY_HEXADECIMAL, true);
  SetChecked(dialog, IDC_MODIFY_DECIMAL, false);
  SetControlText(dialog, IDC_MODIFY_DESCRIPTION, RegisterDescription(index));
  MarkRegisterModified(config, index);  // whether the dialog ends with OK or Cancel
}

static void RadixClicked(HWND dialog) {
  RegisterRadix radix = IsChecked(dialog, IDC_MODIFY_DECIMAL) ? kDecimalRadix : kHexadecimalRadix;
  if (radix == g_radix) return;
  SetControlText(dialog, IDC_MODIFY_VALUE,
                 ConvertRegisterValueText(ControlText(dialog, IDC_MODIFY_VALUE), g_radix, radix));
  g_radix = radix;
}

static void OkClicked(HWND dialog) {
  Configuration& config = WindowConfiguration();
  if (TakeRegisterValue(config, g_index, ControlText(dialog, IDC_MODIFY_VALUE), g_radix)) {
    EndDialog(dialog, IDOK);
    return;
  }
  FocusControl(dialog, IDC_MODIFY_VALUE);
}

static INT_PTR CALLBACK ModifyRegisterProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  MessageOwnerScope owner(dialog);
  if (message == WM_INITDIALOG) {
    OpenModifyRegister(dialog, static_cast<unsigned>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_MODIFY_DECIMAL:
    case IDC_MODIFY_HEXADECIMAL:
      if (HIWORD(wParam) == BN_CLICKED) RadixClicked(dialog);
      return TRUE;
    case IDOK:
      OkClicked(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

bool RunModifyRegister(HWND owner, unsigned index) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MODIFY_REGISTER), owner, ModifyRegisterProc,
                         static_cast<LPARAM>(index)) == IDOK;
}
