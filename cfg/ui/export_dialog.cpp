// Export: the dialog that picks the kind, then the system's save dialog with
// its Preview and Options buttons. The files are written by the export frame.
// clang-format off
#include <windows.h>
#include <commdlg.h>  // needs windows.h first
#include <dlgs.h>
// clang-format on

#include <string>

#include "cfg/export/export_frame.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/export_options.h"
#include "cfg/ui/export_options_dialog.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"

namespace {

const char kExportSaveTitle[] = "Export As";

ExportKind KindOfHook(HWND hook) {
  return static_cast<ExportKind>(GetWindowLongPtrA(hook, GWLP_USERDATA));
}

// The save dialog's file-name field (a combo box on newer systems).
int FileNameControl(HWND saveDialog) {
  return GetDlgItem(saveDialog, cmb13) ? cmb13 : edt1;
}

void OptionsClicked(HWND hook) {
  Configuration& config = WindowConfiguration();
  HWND saveDialog = GetParent(hook);
  ExportKind kind = KindOfHook(hook);
  RunExportOptions(saveDialog, ExportOptionsShowModeNumber(kind));
  if (kind == kExportMode) {
    std::string name = DefaultExportFileName(config, kind);
    SendMessageA(saveDialog, CDM_SETCONTROLTEXT, FileNameControl(saveDialog),
                 reinterpret_cast<LPARAM>(name.c_str()));
  }
}

// The hook of the save dialog's extension (template 127).
UINT_PTR CALLBACK ExportAsHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam) {
  Configuration& config = WindowConfiguration();
  switch (message) {
    case WM_INITDIALOG: {
      const OPENFILENAMEA* dialog = reinterpret_cast<const OPENFILENAMEA*>(lParam);
      ExportKind kind = static_cast<ExportKind>(dialog->lCustData);
      SetWindowLongPtrA(hook, GWLP_USERDATA, kind);
      EnableWindow(GetDlgItem(hook, IDC_EXPORT_AS_OPTIONS), ExportHasOptions(kind));
      return TRUE;
    }
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE)
        SendMessageA(GetParent(hook), CDM_SETCONTROLTEXT, IDOK,
                     reinterpret_cast<LPARAM>("&Export"));
      return FALSE;
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == IDC_EXPORT_AS_PREVIEW) {
        WriteExport(config, KindOfHook(hook), nullptr);  // the save dialog stays open
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_EXPORT_AS_OPTIONS) {
        OptionsClicked(hook);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

// The save dialog for the kind; writes the file when the user confirms.
void ExportAs(HWND owner, ExportKind kind) {
  Configuration& config = WindowConfiguration();
  const ExportKindInfo& info = kExportKinds[kind];
  std::string filter;
  for (int i = 0; i < kFileFilterCount; ++i) {
    filter += info.filter[i].description;
    filter += '\0';
    filter += info.filter[i].pattern;
    filter += '\0';
  }
  filter += '\0';
  char name[MAX_PATH] = "";
  DefaultExportFileName(config, kind).copy(name, sizeof name - 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hInstance = GetModuleHandleA(nullptr);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrTitle = kExportSaveTitle;
  dialog.lpstrDefExt = kExportDefaultExtension;
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
  dialog.lpfnHook = ExportAsHook;
  dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_EXPORT_AS_TEMPLATE);
  dialog.lCustData = kind;
  if (GetSaveFileNameA(&dialog)) WriteExport(config, kind, name);
}

void ChooseKind(HWND dialog) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_EXPORT_KINDS, LB_GETCURSEL, 0, 0);
  if (selected >= 0 && selected < kExportKindCount) EndDialog(dialog, selected);
}

INT_PTR CALLBACK ExportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  MessageOwnerScope owner(dialog);
  switch (message) {
    case WM_INITDIALOG:
      for (const ExportKindInfo& kind : kExportKinds)
        SendDlgItemMessageA(dialog, IDC_EXPORT_KINDS, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(kind.listEntry));
      SendDlgItemMessageA(dialog, IDC_EXPORT_KINDS, LB_SETCURSEL, 0, 0);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          ChooseKind(dialog);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, -1);
          return TRUE;
        case IDC_EXPORT_KINDS:
          if (HIWORD(wParam) == LBN_DBLCLK) ChooseKind(dialog);
          return TRUE;
        default:
          return FALSE;
      }
    default:
      return FALSE;
  }
}

}  // namespace

void RunExportDialog(HWND owner) {
  // The Export dialog has closed before the save dialog appears.
  INT_PTR kind = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXPORT), owner,
                                 ExportDialogProc, 0);
  if (kind >= 0 && kind < kExportKindCount) ExportAs(owner, static_cast<ExportKind>(kind));
}
