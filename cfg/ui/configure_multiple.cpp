// Configure Multiple: browse folders and drives, collect files (also by
// dropping them), and write the working record into each of them.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include "cfg/record/multiple_files.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"

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

bool g_writing = false;

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

HWND FolderList(HWND dialog) {
  return GetDlgItem(dialog, IDC_MULTIPLE_FOLDER_LIST);
}
HWND SelectedList(HWND dialog) {
  return GetDlgItem(dialog, IDC_MULTIPLE_SELECTED_LIST);
}

// Adds a full name to the right list unless it is there (without regard to case).
void AddSelectedFile(HWND dialog, const std::string& path) {
  HWND list = SelectedList(dialog);
  if (SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(path.c_str())) != LB_ERR)
    return;
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void FillFolderList(HWND dialog) {
  HWND list = FolderList(dialog);
  FolderListing listing = ListFolderForSelection(IsChecked(dialog, IDC_MULTIPLE_SHOW_ALL));
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
  SetControlText(dialog, IDC_MULTIPLE_FOLDER, listing.folder);
}

// An entry of the left list goes to the right list when it is a file.
bool AddFolderEntry(HWND dialog, int index) {
  std::string path = SelectedFilePath(ListText(FolderList(dialog), index));
  if (path.empty()) return false;
  AddSelectedFile(dialog, path);
  return true;
}

int FocusedEntry(HWND list) {
  return static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
}

void FolderEntryChosen(HWND dialog) {
  int index = FocusedEntry(FolderList(dialog));
  if (index < 0 || AddFolderEntry(dialog, index)) return;
  EnterFolderEntry(ListText(FolderList(dialog), index));
  FillFolderList(dialog);
}

void AddAllEntries(HWND dialog) {
  int count = static_cast<int>(SendMessageA(FolderList(dialog), LB_GETCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; --i) AddFolderEntry(dialog, i);
}

void RemoveFocusedFile(HWND dialog) {
  HWND list = SelectedList(dialog);
  int index = FocusedEntry(list);
  if (index >= 0) SendMessageA(list, LB_DELETESTRING, index, 0);
}

void FilesDropped(HWND dialog, HDROP drop) {
  UINT count = g_writing ? 0 : DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string name(length + 1, '\0');
    DragQueryFileA(drop, i, &name[0], length + 1);
    name.resize(length);
    AddSelectedFile(dialog, name);
  }
  DragFinish(drop);
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

void ShowProgress(void* dialog, size_t number, size_t count, const std::string& file) {
  HWND window = static_cast<HWND>(dialog);
  SetControlText(window, IDC_MULTIPLE_PROGRESS, ConfigureProgressText(number, count, file));
  PumpWhileWriting();
}

void EnableInput(HWND dialog, bool enable) {
  for (int id : kInputControls) EnableWindow(GetDlgItem(dialog, id), enable);
}

void ConfigureClicked(HWND dialog) {
  Configuration& config = WindowConfiguration();
  HWND list = SelectedList(dialog);
  std::vector<std::string> files;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) files.push_back(ListText(list, i));
  if (files.empty()) {
    ConfigureFiles(config, files, false);  // says that none are selected
    return;
  }
  bool preserve = IsChecked(dialog, IDC_MULTIPLE_PRESERVE_ADDRESSES);
  EnableInput(dialog, false);
  g_writing = true;
  ConfigureFiles(config, files, preserve, ShowProgress, dialog);
  g_writing = false;
  EnableInput(dialog, true);
  EndDialog(dialog, IDOK);
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

void OpenConfigureMultiple(HWND dialog, const std::vector<std::string>* files) {
  int height = ListItemHeight();
  for (HWND list : {FolderList(dialog), SelectedList(dialog)}) {
    SendMessageA(list, LB_SETITEMHEIGHT, 0, height);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, kListExtent, 0);
  }
  SetChecked(dialog, IDC_MULTIPLE_PRESERVE_ADDRESSES, false);
  SetChecked(dialog, IDC_MULTIPLE_SHOW_CONFIGURABLE, true);
  FillFolderList(dialog);
  if (files)
    for (const std::string& file : *files) AddSelectedFile(dialog, file);
  DragAcceptFiles(dialog, TRUE);
}

void CommandReceived(HWND dialog, int id, int code) {
  switch (id) {
    case IDC_MULTIPLE_ADD:
      if (code == BN_CLICKED) {
        int index = FocusedEntry(FolderList(dialog));
        if (index >= 0) AddFolderEntry(dialog, index);
      }
      break;
    case IDC_MULTIPLE_FOLDER_LIST:
      if (code == LBN_DBLCLK) FolderEntryChosen(dialog);
      break;
    case IDC_MULTIPLE_ADD_ALL:
      AddAllEntries(dialog);
      break;
    case IDC_MULTIPLE_REMOVE:
      RemoveFocusedFile(dialog);
      break;
    case IDC_MULTIPLE_SELECTED_LIST:
      if (code == LBN_DBLCLK) RemoveFocusedFile(dialog);
      break;
    case IDC_MULTIPLE_REMOVE_ALL:
      SendMessageA(SelectedList(dialog), LB_RESETCONTENT, 0, 0);
      break;
    case IDC_MULTIPLE_SHOW_ALL:
    case IDC_MULTIPLE_SHOW_CONFIGURABLE:
      if (code == BN_CLICKED) FillFolderList(dialog);
      break;
    case IDC_MULTIPLE_CONFIGURE:
      ConfigureClicked(dialog);
      break;
    case IDCANCEL:
      // The close box and Esc too; not while the files are being written.
      if (!g_writing) EndDialog(dialog, IDCANCEL);
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK ConfigureMultipleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(dialog);
  switch (message) {
    case WM_INITDIALOG:
      OpenConfigureMultiple(dialog, reinterpret_cast<const std::vector<std::string>*>(lParam));
      return TRUE;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = ListItemHeight();
      return TRUE;
    case WM_DRAWITEM:
      DrawListEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      CommandReceived(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DROPFILES:
      FilesDropped(dialog, reinterpret_cast<HDROP>(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunConfigureMultiple(HWND owner, const std::vector<std::string>& files) {
  // The owner is disabled as any modal dialog's; the open page explicitly too.
  HWND page = OpenPage();
  if (page) EnableWindow(page, FALSE);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIGURE_MULTIPLE), owner,
                  ConfigureMultipleProc, reinterpret_cast<LPARAM>(&files));
  if (page && IsWindow(page)) EnableWindow(page, TRUE);
}
