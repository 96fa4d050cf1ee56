#include "cfg/ui/configure_multiple.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include "cfg/record/multiple_files.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/dialog_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"

namespace {

const int kListExtent = 1024;  // pixels both lists scroll over

// Everything the user can touch, disabled while the files are written.
const int kInputControls[] = {IDC_MULTIPLE_FOLDER_LIST,
                              IDC_MULTIPLE_SELECTED_LIST,
                              IDC_MULTIPLE_ADD,
                              IDC_MULTIPLE_ADD_ALL,
                              IDC_MULTIPLE_REMOVE,
                              IDC_MULTIPLE_REMOVE_ALL,
                              IDC_MULTIPLE_SHOW_ALL,
                              IDC_MULTIPLE_SHOW_CONFIGURABLE,
                              IDC_MULTIPLE_PRESERVE_ADDRESSES,
                              IDC_MULTIPLE_CONFIGURE,
                              IDCANCEL};

// The progress line is drawn at most this often while files are written.
const DWORD kProgressIntervalMs = 50;

HFONT ListFont() {
  return static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
}

int ListItemHeight() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ListFont());
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

std::string ListText(HWND list, int index) {
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length < 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT got = SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

int FocusedEntry(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
}

// Lets the dialog paint (and the user see the progress) between two files.
void PumpWhileWriting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the message loop to see
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Fixed-pitch text 2 pixels from the left, clipped to the item.
void DrawListEntry(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  int text = COLOR_MENUTEXT, background = COLOR_WINDOW;
  if (item.itemState & ODS_DISABLED) {
    text = COLOR_GRAYTEXT;
  } else if (item.itemState & ODS_SELECTED) {
    text = COLOR_HIGHLIGHTTEXT;
    background = COLOR_HIGHLIGHT;
  }
  std::string entry = ListText(item.hwndItem, static_cast<int>(item.itemID));
  HGDIOBJ oldFont = SelectObject(item.hDC, ListFont());
  SetTextColor(item.hDC, GetSysColor(text));
  SetBkColor(item.hDC, GetSysColor(background));
  ExtTextOutA(item.hDC, item.rcItem.left + 2, item.rcItem.top, ETO_CLIPPED | ETO_OPAQUE,
              &item.rcItem, entry.c_str(), static_cast<UINT>(entry.size()), nullptr);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  SelectObject(item.hDC, oldFont);
}

class ConfigureMultipleDialog : public DialogWindow {
 public:
  ConfigureMultipleDialog(Configuration& config, const std::vector<std::string>& files)
      : config_(config), files_(files), pacer_(kProgressIntervalMs) {}

 protected:
  BOOL OnInitialize() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

 private:
  HWND FolderList() const { return GetDlgItem(Handle(), IDC_MULTIPLE_FOLDER_LIST); }
  HWND SelectedList() const { return GetDlgItem(Handle(), IDC_MULTIPLE_SELECTED_LIST); }
  void AddSelectedFile(const std::string& path);
  void FillFolderList();
  bool AddFolderEntry(int index);
  void FolderEntryChosen();
  void AddAllEntries();
  void RemoveFocusedFile();
  void FilesDropped(HDROP drop);
  void EnableInput(bool enable);
  void ConfigureClicked();
  static void ShowProgress(void* dialog, size_t number, size_t count, const std::string& file);
  static void ShowLatestProgress(void* dialog);

  Configuration& config_;
  const std::vector<std::string>& files_;  // collected before the dialog opened
  bool writing_ = false;
  ProgressPacer pacer_;
  std::string progress_;  // the line of the file being written
};

BOOL ConfigureMultipleDialog::OnInitialize() {
  int height = ListItemHeight();
  for (HWND list : {FolderList(), SelectedList()}) {
    SendMessageA(list, LB_SETITEMHEIGHT, 0, height);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, kListExtent, 0);
  }
  SetChecked(Handle(), IDC_MULTIPLE_PRESERVE_ADDRESSES, false);
  SetChecked(Handle(), IDC_MULTIPLE_SHOW_CONFIGURABLE, true);
  FillFolderList();
  for (const std::string& file : files_) AddSelectedFile(file);
  DragAcceptFiles(Handle(), TRUE);
  return TRUE;
}

bool ConfigureMultipleDialog::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_MULTIPLE_ADD:
      if (code == BN_CLICKED) {
        int index = FocusedEntry(FolderList());
        if (index >= 0) AddFolderEntry(index);
      }
      break;
    case IDC_MULTIPLE_FOLDER_LIST:
      if (code == LBN_DBLCLK) FolderEntryChosen();
      break;
    case IDC_MULTIPLE_ADD_ALL:
      AddAllEntries();
      break;
    case IDC_MULTIPLE_REMOVE:
      RemoveFocusedFile();
      break;
    case IDC_MULTIPLE_SELECTED_LIST:
      if (code == LBN_DBLCLK) RemoveFocusedFile();
      break;
    case IDC_MULTIPLE_REMOVE_ALL:
      SendMessageA(SelectedList(), LB_RESETCONTENT, 0, 0);
      break;
    case IDC_MULTIPLE_SHOW_ALL:
    case IDC_MULTIPLE_SHOW_CONFIGURABLE:
      if (code == BN_CLICKED) FillFolderList();
      break;
    case IDC_MULTIPLE_CONFIGURE:
      ConfigureClicked();
      break;
    case IDCANCEL:
      // The close box and Esc too; not while the files are being written.
      if (!writing_) EndDialog(Handle(), IDCANCEL);
      break;
    default:
      break;
  }
  return true;
}

bool ConfigureMultipleDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        INT_PTR* result) {
  switch (message) {
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = ListItemHeight();
      break;
    case WM_DRAWITEM:
      DrawListEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
    case WM_DROPFILES:
      FilesDropped(reinterpret_cast<HDROP>(wParam));
      break;
    default:
      return false;
  }
  *result = TRUE;
  return true;
}

// Adds a full name to the right list unless it is there (without regard to case).
void ConfigureMultipleDialog::AddSelectedFile(const std::string& path) {
  HWND list = SelectedList();
  if (SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(path.c_str())) != LB_ERR)
    return;
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void ConfigureMultipleDialog::FillFolderList() {
  HWND list = FolderList();
  FolderListing listing = ListFolderForSelection(IsChecked(Handle(), IDC_MULTIPLE_SHOW_ALL));
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& entry : listing.entries)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  // The drives follow the sorted entries, in drive order.
  for (const std::string& drive : listing.drives)
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(drive.c_str()));
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  SetControlText(Handle(), IDC_MULTIPLE_FOLDER, listing.folder);
}

// An entry of the left list goes to the right list when it is a file.
bool ConfigureMultipleDialog::AddFolderEntry(int index) {
  std::string path = SelectedFilePath(ListText(FolderList(), index));
  if (path.empty()) return false;
  AddSelectedFile(path);
  return true;
}

void ConfigureMultipleDialog::FolderEntryChosen() {
  int index = FocusedEntry(FolderList());
  if (index < 0 || AddFolderEntry(index)) return;
  EnterFolderEntry(ListText(FolderList(), index));
  FillFolderList();
}

void ConfigureMultipleDialog::AddAllEntries() {
  int count = static_cast<int>(SendMessageA(FolderList(), LB_GETCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; --i) AddFolderEntry(i);
}

void ConfigureMultipleDialog::RemoveFocusedFile() {
  HWND list = SelectedList();
  int index = FocusedEntry(list);
  if (index >= 0) SendMessageA(list, LB_DELETESTRING, index, 0);
}

void ConfigureMultipleDialog::FilesDropped(HDROP drop) {
  UINT count = writing_ ? 0 : DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string name(length + 1, '\0');
    DragQueryFileA(drop, i, &name[0], length + 1);
    name.resize(length);
    AddSelectedFile(name);
  }
  DragFinish(drop);
}

void ConfigureMultipleDialog::EnableInput(bool enable) {
  for (int id : kInputControls) EnableWindow(GetDlgItem(Handle(), id), enable);
}

// Drawing the line and letting the dialog paint cost more than writing a
// file under Wine: the line follows the files at the pacer's rate.
void ConfigureMultipleDialog::ShowProgress(void* dialog, size_t number, size_t count,
                                           const std::string& file) {
  ConfigureMultipleDialog* self = static_cast<ConfigureMultipleDialog*>(dialog);
  self->progress_ = ConfigureProgressText(number, count, file);
  if (!self->pacer_.Due(GetTickCount(), number == count)) return;
  SetControlText(self->Handle(), IDC_MULTIPLE_PROGRESS, self->progress_);
  PumpWhileWriting();
}

// A box about a file comes up beside that file's line.
void ConfigureMultipleDialog::ShowLatestProgress(void* dialog) {
  ConfigureMultipleDialog* self = static_cast<ConfigureMultipleDialog*>(dialog);
  ShowText(self->Handle(), IDC_MULTIPLE_PROGRESS, self->progress_);
}

void ConfigureMultipleDialog::ConfigureClicked() {
  HWND list = SelectedList();
  std::vector<std::string> files;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) files.push_back(ListText(list, i));
  if (files.empty()) {
    ConfigureFiles(config_, files, false);  // says that none are selected
    return;
  }
  bool preserve = IsChecked(Handle(), IDC_MULTIPLE_PRESERVE_ADDRESSES);
  EnableInput(false);
  writing_ = true;
  pacer_ = ProgressPacer(kProgressIntervalMs);
  {
    BeforeMessageScope showLine(ShowLatestProgress, this);
    ConfigureFiles(config_, files, preserve, ShowProgress, this);
  }
  writing_ = false;
  EnableInput(true);
  EndDialog(Handle(), IDOK);
}

}  // namespace

bool ProgressPacer::Due(DWORD now, bool last) {
  if (started_ && !last && now - lastShown_ < interval_) return false;
  started_ = true;
  lastShown_ = now;
  return true;
}

void RunConfigureMultiple(HWND owner, Configuration& config,
                          const std::vector<std::string>& files) {
  ConfigureMultipleDialog dialog(config, files);
  dialog.RunModal(GetModuleHandleA(nullptr), IDD_CONFIGURE_MULTIPLE, owner);
}
