// Registers page: every register of the working record's list in a report
// list view; a double-click (or Enter) on a line opens the Modify Register
// dialog for it. The rows' texts are the record logic's.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <algorithm>

#include "cfg/pages/registers/register_rows.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/modify_register.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/resource.h"

static const COLORREF kListColour = RGB(0, 255, 255);

// One page at a time: its list, the list's font and the list view's own
// window procedure, replaced by ListProc while the page lives.
static HWND g_list = nullptr;
static HFONT g_listFont = nullptr;
static WNDPROC g_listViewProc = nullptr;

static HFONT CreateListFont(HWND window) {
  HDC dc = GetDC(window);
  int height = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(window, dc);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, "Arial");
}

static void AddColumns(HWND list) {
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
static int TitleWidth(HWND list, int column) {
  return ListView_GetStringWidth(list, kRegisterColumns[column].title) +
         6 * GetSystemMetrics(SM_CXEDGE) + 2;
}

// Each column as wide as its widest cell and no narrower than its title; the
// last one also reaches the list's right edge.
static void FitColumns(HWND list) {
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

static void FillList(HWND list) {
  Configuration& config = WindowConfiguration();
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  int line = 0;
  for (const RegisterRow& row : RegisterRows(config.WorkingRecord)) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = line;
    item.pszText = const_cast<char*>(row.cells[0].c_str());
    item.lParam = static_cast<LPARAM>(row.index);
    line =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < kRegisterColumnCount; ++column) {
      LVITEMA cell = {};
      cell.iSubItem = column;
      cell.pszText = const_cast<char*>(row.cells[column].c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, line, reinterpret_cast<LPARAM>(&cell));
    }
    ++line;
  }
  FitColumns(list);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// The dialog for the selected line (none: nothing happens). After OK the list
// shows the record's values again, scrolled to the same rows as before.
static void ModifySelectedRegister(HWND list) {
  int line = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (line < 0) return;
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = line;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return;
  if (!RunModifyRegister(list, static_cast<unsigned>(item.lParam))) return;
  int top = ListView_GetTopIndex(list);
  FillList(list);
  RECT first = {};
  first.left = LVIR_BOUNDS;
  if (SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
    ListView_Scroll(list, 0, top * (first.bottom - first.top));
  ListView_SetItemState(list, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      ModifySelectedRegister(list);
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
        ModifySelectedRegister(list);
        return 0;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(g_listViewProc, list, message, wParam, lParam);
}

static void OpenRegistersPage(HWND page) {
  HWND frame = GetDlgItem(page, IDC_REGISTERS_FRAME);
  // The list is the frame's child: the dialog keys reach into the frame.
  SetWindowLongA(frame, GWL_EXSTYLE, GetWindowLongA(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  RECT area;
  GetClientRect(frame, &area);
  g_list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                               LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                           0, 0, area.right, area.bottom, frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REGISTERS_LIST)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(page, GWLP_HINSTANCE)),
                           nullptr);
  if (!g_list) return;
  ListView_SetExtendedListViewStyle(g_list, LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE);
  g_listFont = CreateListFont(g_list);
  SendMessageA(g_list, WM_SETFONT, reinterpret_cast<WPARAM>(g_listFont), FALSE);
  ListView_SetBkColor(g_list, kListColour);
  ListView_SetTextBkColor(g_list, kListColour);
  AddColumns(g_list);
  FillList(g_list);
  g_listViewProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
}

static void CloseRegistersPage() {
  Configuration& config = WindowConfiguration();
  TakeRegisterSnapshot(config);
  if (!g_list) return;
  SetWindowLongPtrA(g_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listViewProc));
  // The list goes before its font does.
  DestroyWindow(g_list);
  g_list = nullptr;
  g_listViewProc = nullptr;
  DeleteObject(g_listFont);
  g_listFont = nullptr;
}

INT_PTR CALLBACK RegistersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(page);
  switch (message) {
    case WM_INITDIALOG:
      OpenRegistersPage(page);
      return TRUE;
    case kMsgPageClose:
      return TRUE;  // every value is in the record already
    case WM_CTLCOLORSTATIC:
      return NoteColours(wParam, lParam, {IDC_REGISTERS_HINT});
    case WM_DESTROY:
      CloseRegistersPage();
      return FALSE;
    default:
      return FALSE;
  }
}
