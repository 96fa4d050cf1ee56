#include "cfg/ui/view_window.h"

void ViewWindow::Open(HINSTANCE instance, int templateId, HWND owner) {
  if (!Handle() && !Create(instance, templateId, owner)) return;
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

BOOL ViewWindow::OnInitialize() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  smallest_ = {frame.right - frame.left, frame.bottom - frame.top};
  return TRUE;
}

bool ViewWindow::OnCommand(int id, int, HWND) {
  if (id != IDCANCEL) return false;
  DestroyWindow(Handle());
  return true;
}

bool ViewWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR* result) {
  switch (message) {
    case WM_SIZE:
      Arrange(LOWORD(lParam), HIWORD(lParam));
      return false;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest_.cx, smallest_.cy};
      *result = TRUE;
      return true;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      // Drawn off screen first: the area does not flicker while it is redrawn.
      const RECT& area = item->rcItem;
      int width = area.right - area.left, height = area.bottom - area.top;
      HDC memory = CreateCompatibleDC(item->hDC);
      HBITMAP bitmap = CreateCompatibleBitmap(item->hDC, width, height);
      HGDIOBJ old = SelectObject(memory, bitmap);
      SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
      *result = Draw(static_cast<int>(item->CtlID), memory, area);
      SetViewportOrgEx(memory, 0, 0, nullptr);
      BitBlt(item->hDC, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
      SelectObject(memory, old);
      DeleteObject(bitmap);
      DeleteDC(memory);
      return true;
    }
    case WM_CLOSE:
      DestroyWindow(Handle());
      *result = TRUE;
      return true;
    default:
      return false;
  }
}

void ViewWindow::PlaceBesideOwner(int clientWidth, int clientHeight) {
  RECT frame = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  RECT owner = {};
  GetWindowRect(GetWindow(Handle(), GW_OWNER), &owner);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromRect(&owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  // Right of the owner where there is room, else over it; always on the screen.
  int left = owner.right + width <= work.right ? owner.right : owner.left + 24;
  int top = owner.top;
  if (left + width > work.right) left = work.right - width;
  if (top + height > work.bottom) top = work.bottom - height;
  SetWindowPos(Handle(), nullptr, left > work.left ? left : work.left,
               top > work.top ? top : work.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int ViewWindow::DialogUnitsX(int units) const {
  RECT rect = {0, 0, units, 0};
  MapDialogRect(Handle(), &rect);
  return rect.right;
}

int ViewWindow::DialogUnitsY(int units) const {
  RECT rect = {0, 0, 0, units};
  MapDialogRect(Handle(), &rect);
  return rect.bottom;
}
