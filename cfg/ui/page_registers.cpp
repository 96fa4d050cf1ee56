// Registers page: every register of the working record's list in a report
// list view; a double-click (or Enter) on a line opens the Modify Register
// dialog for it. The rows' texts are the record logic's.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include <algorithm>
#include <vector>

#include "cfg/pages/registers/register_rows.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/modify_register.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

namespace {

const COLORREF kListColour = RGB(0, 255, 255);

HFONT CreateListFont(HWND window) {
  HDC dc = GetDC(window);
  int height = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(window, dc);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "Arial");
}

void AddColumns(HWND list) {
  for (int column = 0; column < kRegisterColumnCount; ++column) {
    LVCOLUMNA header = {};
    header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    header.fmt = LVCFMT_LEFT;
    header.cx = kRegisterColumns[column].initialWidth;
    header.pszText = const_cast<char*>(kRegisterColumns[column].title);
    SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
  }
}

// The width a column needs to show its title whole: the header draws the text
// three edge widths in from either side.
int TitleWidth(HWND list, int column) {
  return ListView_GetStringWidth(list, kRegisterColumns[column].title) +
         6 * GetSystemMetrics(SM_CXEDGE) + 2;
}

// Each column as wide as its widest cell and no narrower than its title; the
// last one also reaches the list's right edge.
void FitColumns(HWND list) {
  const int last = kRegisterColumnCount - 1;
  for (int column = 0; column <= last; ++column) {
    ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
    int width = std::max(ListView_GetColumnWidth(list, column), TitleWidth(list, column));
    if (column == last) {
      ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE_USEHEADER);
      width = std::max(width, ListView_GetColumnWidth(list, column));
    }
    ListView_SetColumnWidth(list, column, width);
  }
}

void SetCell(HWND list, int line, int column, const std::string& text) {
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, line, reinterpret_cast<LPARAM>(&cell));
}

bool SameRegisters(const std::vector<RegisterRow>& one, const std::vector<RegisterRow>& other) {
  if (one.size() != other.size()) return false;
  for (size_t i = 0; i < one.size(); ++i)
    if (one[i].index != other[i].index) return false;
  return true;
}

// Scrolls the list so that line top is the first one shown, from wherever
// the list stands now (a refilled list may or may not keep its place).
void ShowTopLine(HWND list, int top) {
  int now = ListView_GetTopIndex(list);
  RECT first = {};
  first.left = LVIR_BOUNDS;
  if (now == top || !SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
    return;
  ListView_Scroll(list, 0, (top - now) * (first.bottom - first.top));
}

class RegistersPage : public DialogWindow {
 public:
  explicit RegistersPage(Configuration& config) : config_(config) {}

 protected:
  BOOL OnInitialize() override;
  // Only the cells whose values changed are written; the list keeps its
  // place and selection unless the registers themselves are others.
  void OnShow() override {
    if (list_) ShowRows(RegisterRows(config_.WorkingRecord));
  }
  void OnLeave() override { TakeRegisterSnapshot(config_); }
  INT_PTR OnColour(HDC dc, HWND control) override {
    return NoteColours(dc, control, {IDC_REGISTERS_HINT});
  }
  void OnDestroy() override;

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR page);
  void FillList(const std::vector<RegisterRow>& rows);
  void ShowRows(const std::vector<RegisterRow>& rows);
  void ModifySelectedRegister();

  Configuration& config_;
  HWND list_ = nullptr;
  HFONT listFont_ = nullptr;
  std::vector<RegisterRow> shownRows_;
};

BOOL RegistersPage::OnInitialize() {
  HWND frame = GetDlgItem(Handle(), IDC_REGISTERS_FRAME);
  // The list is the frame's child: the dialog keys reach into the frame.
  SetWindowLongA(frame, GWL_EXSTYLE, GetWindowLongA(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  RECT area;
  GetClientRect(frame, &area);
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                              LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                          0, 0, area.right, area.bottom, frame,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REGISTERS_LIST)),
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Handle(), GWLP_HINSTANCE)),
                          nullptr);
  if (!list_) return TRUE;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE);
  listFont_ = CreateListFont(list_);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
  ListView_SetBkColor(list_, kListColour);
  ListView_SetTextBkColor(list_, kListColour);
  AddColumns(list_);
  FillList(RegisterRows(config_.WorkingRecord));
  SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  return TRUE;
}

void RegistersPage::OnDestroy() {
  if (!list_) return;
  RemoveWindowSubclass(list_, ListProc, 0);
  // The list goes before its font does.
  DestroyWindow(list_);
  list_ = nullptr;
  DeleteObject(listFont_);
  listFont_ = nullptr;
}

void RegistersPage::FillList(const std::vector<RegisterRow>& rows) {
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  int line = 0;
  for (const RegisterRow& row : rows) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = line;
    item.pszText = const_cast<char*>(row.cells[0].c_str());
    item.lParam = static_cast<LPARAM>(row.index);
    line =
        static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < kRegisterColumnCount; ++column)
      SetCell(list_, line, column, row.cells[column]);
    ++line;
  }
  FitColumns(list_);
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
  shownRows_ = rows;
}

// Writes the cells that changed; other registers than those shown fill the
// list anew, from its first line, as a new page shows them.
void RegistersPage::ShowRows(const std::vector<RegisterRow>& rows) {
  if (!SameRegisters(rows, shownRows_)) {
    FillList(rows);
    ShowTopLine(list_, 0);
    return;
  }
  bool changed = false;
  for (size_t line = 0; line < rows.size(); ++line) {
    for (int column = 0; column < kRegisterColumnCount; ++column) {
      if (rows[line].cells[column] == shownRows_[line].cells[column]) continue;
      SetCell(list_, static_cast<int>(line), column, rows[line].cells[column]);
      changed = true;
    }
  }
  if (changed) FitColumns(list_);
  shownRows_ = rows;
}

// The dialog for the selected line (none: nothing happens). After OK the list
// shows the record's values again with the same lines in view as before.
void RegistersPage::ModifySelectedRegister() {
  int line = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (line < 0) return;
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = line;
  if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return;
  if (!RunModifyRegister(list_, config_, static_cast<unsigned>(item.lParam))) return;
  int top = ListView_GetTopIndex(list_);
  ShowRows(RegisterRows(config_.WorkingRecord));
  ShowTopLine(list_, top);
  ListView_SetItemState(list_, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

LRESULT CALLBACK RegistersPage::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR page) {
  RegistersPage* self = reinterpret_cast<RegistersPage*>(page);
  switch (message) {
    case WM_LBUTTONDBLCLK:
      self->ModifySelectedRegister();
      break;  // the list view sees the double-click as well
    case WM_GETDLGCODE:
      // Enter on a line opens the dialog, as a double-click does, rather than
      // going to the dialog manager.
      if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
          wParam == VK_RETURN)
        return DLGC_WANTMESSAGE;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        self->ModifySelectedRegister();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<DialogWindow> MakeRegistersPage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new RegistersPage(config));
}
