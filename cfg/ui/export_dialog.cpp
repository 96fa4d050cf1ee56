#include "cfg/ui/export_dialog.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>  // needs windows.h first
#include <dlgs.h>
// clang-format on

#include <string>

#include "cfg/export/export_frame.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/export_options.h"
#include "cfg/ui/dialog_window.h"
#include "cfg/ui/export_options_dialog.h"
#include "cfg/ui/file_dialogs.h"
#include "cfg/ui/resource.h"

namespace {

const char kExportSaveTitle[] = "Export As";

// The save dialog's file-name field (a combo box on newer systems).
int FileNameControl(HWND saveDialog) {
  return GetDlgItem(saveDialog, cmb13) ? cmb13 : edt1;
}

// The save dialog's extension (template 127): Preview and Options. Its boxes
// belong to the window that opened the save dialog.
class ExportAsExtension : public DialogWindow {
 public:
  ExportAsExtension(Configuration& config, ExportKind kind) : config_(config), kind_(kind) {
    LeaveMessagesToOwner();
  }

  // The save dialog's hook: its WM_INITDIALOG carries the extension object
  // in the request's custom data.
  static UINT_PTR CALLBACK Hook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
      lParam = reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData;
    return static_cast<UINT_PTR>(Procedure(hook, message, wParam, lParam));
  }

 protected:
  BOOL OnInitialize() override {
    EnableWindow(GetDlgItem(Handle(), IDC_EXPORT_AS_OPTIONS), ExportHasOptions(kind_));
    return TRUE;
  }

  bool OnNotify(NMHDR* header, LRESULT*) override {
    if (header->code == CDN_INITDONE)
      SendMessageA(GetParent(Handle()), CDM_SETCONTROLTEXT, IDOK,
                   reinterpret_cast<LPARAM>("&Export"));
    return false;
  }

  bool OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    if (id == IDC_EXPORT_AS_PREVIEW) {
      WriteExport(config_, kind_, nullptr);  // the save dialog stays open
      return true;
    }
    if (id == IDC_EXPORT_AS_OPTIONS) {
      OptionsClicked();
      return true;
    }
    return false;
  }

 private:
  void OptionsClicked() {
    HWND saveDialog = GetParent(Handle());
    RunExportOptions(saveDialog, config_, ExportOptionsShowModeNumber(kind_));
    if (kind_ != kExportMode) return;
    std::string name = DefaultExportFileName(config_, kind_);
    SendMessageA(saveDialog, CDM_SETCONTROLTEXT, FileNameControl(saveDialog),
                 reinterpret_cast<LPARAM>(name.c_str()));
  }

  Configuration& config_;
  ExportKind kind_;
};

// The save dialog for the kind; writes the file when the user confirms.
void ExportAs(HWND owner, Configuration& config, ExportKind kind) {
  const ExportKindInfo& info = kExportKinds[kind];
  std::string filter = FilterList(info.filter, kFileFilterCount);
  filter += '\0';
  char name[MAX_PATH] = "";
  DefaultExportFileName(config, kind).copy(name, sizeof name - 1);
  ExportAsExtension extension(config, kind);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hInstance = GetModuleHandleA(nullptr);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrTitle = kExportSaveTitle;
  std::string defaultExtension = ExportDefaultExtension(kind);
  dialog.lpstrDefExt = defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
  dialog.lpfnHook = ExportAsExtension::Hook;
  dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_EXPORT_AS_TEMPLATE);
  dialog.lCustData = reinterpret_cast<LPARAM>(&extension);
  if (GetSaveFileNameA(&dialog)) WriteExport(config, kind, name);
}

// An entry's description and its "[file name]", apart at the first tab.
struct EntryParts {
  std::string description, fileName;
};
EntryParts SplitEntry(const std::string& entry) {
  size_t tab = entry.find('\t');
  if (tab == std::string::npos) return {entry, ""};
  size_t name = entry.find_first_not_of(" \t", tab);
  size_t end = entry.find_last_not_of(" \t", tab);
  return {entry.substr(0, end == std::string::npos ? 0 : end + 1),
          name == std::string::npos ? "" : entry.substr(name)};
}

// The list of kinds; ends with the chosen kind, -1 for Cancel. The entries'
// file names stand in one column after the longest description, however
// many tabs an entry holds.
class ExportKindDialog : public DialogWindow {
 protected:
  BOOL OnInitialize() override {
    HWND list = Control(IDC_EXPORT_KINDS);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    for (const ExportKindInfo& kind : kExportKinds) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind.listEntry));
      std::string description = SplitEntry(kind.listEntry).description;
      SIZE size = {};
      GetTextExtentPoint32A(dc, description.c_str(), static_cast<int>(description.size()), &size);
      if (size.cx > column_) column_ = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    column_ += 2 * kTextMargin + metrics.tmAveCharWidth * 2;
    SendMessageA(list, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return TRUE;
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) override {
    if (message != WM_DRAWITEM) return false;
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID != IDC_EXPORT_KINDS) return false;
    DrawEntry(*item);
    *result = TRUE;
    return true;
  }

  bool OnCommand(int id, int code, HWND) override {
    switch (id) {
      case IDOK:
        ChooseKind();
        return true;
      case IDCANCEL:
        EndDialog(Handle(), -1);
        return true;
      case IDC_EXPORT_KINDS:
        if (code == LBN_DBLCLK) ChooseKind();
        return true;
      default:
        return false;
    }
  }

 private:
  static const int kTextMargin = 2;  // pixels before each text

  void DrawEntry(const DRAWITEMSTRUCT& item) const {
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
      char text[256] = "";
      if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < LRESULT{sizeof text})
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
      EntryParts parts = SplitEntry(text);
      SetBkMode(item.hDC, TRANSPARENT);
      SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      RECT area = item.rcItem;
      area.left += kTextMargin;
      DrawTextA(item.hDC, parts.description.c_str(), -1, &area,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      area.left = item.rcItem.left + column_;
      DrawTextA(item.hDC, parts.fileName.c_str(), -1, &area,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  }

  void ChooseKind() {
    LRESULT selected = SendDlgItemMessageA(Handle(), IDC_EXPORT_KINDS, LB_GETCURSEL, 0, 0);
    if (selected >= 0 && selected < kExportKindCount) EndDialog(Handle(), selected);
  }

  int column_ = 0;  // where the file names start, in pixels from the entry's left
};

}  // namespace

void RunExportDialog(HWND owner, Configuration& config) {
  // The Export dialog has closed before the save dialog appears.
  ExportKindDialog kinds;
  INT_PTR kind = kinds.RunModal(GetModuleHandleA(nullptr), IDD_EXPORT, owner);
  if (kind >= 0 && kind < kExportKindCount) ExportAs(owner, config, static_cast<ExportKind>(kind));
}
