#include "cfg/ui/dialog_window.h"

#include "cfg/ui/message_box.h"

HWND DialogWindow::Create(HINSTANCE instance, int templateId, HWND parent) {
  return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, Procedure,
                            reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModal(HINSTANCE instance, int templateId, HWND owner) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG && lParam) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<DialogWindow*>(lParam)->window_ = window;
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) go to the dialog manager.
  DialogWindow* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  INT_PTR result = self->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    self->window_ = nullptr;
    self->controls_.clear();
  }
  return result;
}

INT_PTR DialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result;
  {
    MessageOwnerScope owner(ownsMessages_ ? window_ : CurrentMessageOwner(),
                            fieldControls_ ? &fieldRequests_ : nullptr);
    ++depth_;
    result = Route(message, wParam, lParam);
    --depth_;
  }
  // A field left unfocused by the message that named it is not carried over
  // to later messages.
  if (depth_ == 0) {
    fieldRequests_.clear();
    if (observer_) observer_->MessageHandled();
  }
  return result;
}

INT_PTR DialogWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitialize();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), &answer)) return FALSE;
      SetWindowLongPtrA(window_, DWLP_MSGRESULT, answer);
      return TRUE;
    }
    case WM_VSCROLL:
      return OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    case WM_CTLCOLORSTATIC:
      return OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case kMsgPageClose: {
      // Set once the page has answered: the boxes it showed meanwhile ran
      // messages of their own through the window.
      LONG_PTR answer = OnClose() ? kPageAccept : kPageRefuse;
      SetWindowLongPtrA(window_, DWLP_MSGRESULT, answer);
      return TRUE;
    }
    case kMsgPageShow:
      OnShow();
      return TRUE;
    case kMsgPageLeave:
      OnLeave();
      return TRUE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
    }
  }
}

HWND DialogWindow::Control(int id) const {
  for (const std::pair<int, HWND>& known : controls_)
    if (known.first == id) return known.second;
  HWND control = GetDlgItem(window_, id);
  if (control) controls_.emplace_back(id, control);
  return control;
}

bool DialogWindow::OnCommand(int, int, HWND) {
  return false;
}

bool DialogWindow::OnNotify(NMHDR*, LRESULT*) {
  return false;
}

bool DialogWindow::OnScroll(HWND, int) {
  return false;
}

INT_PTR DialogWindow::OnColour(HDC, HWND) {
  return 0;
}

bool DialogWindow::OnMessage(UINT, WPARAM, LPARAM, INT_PTR*) {
  return false;
}

void DialogWindow::CarryOutFieldRequests() {
  ::CarryOutFieldRequests(window_, &fieldRequests_, fieldControls_, fieldControlCount_);
}
