// The one dialog procedure of the configurator's windows. Every page and
// dialog is an object deriving from DialogWindow: the procedure finds it by
// the pointer kept in the window's DWLP_USER (set at WM_INITDIALOG from the
// creation parameter) and hands each message to a virtual handler. While a
// handler runs, the window owns the message boxes shown (a MessageOwnerScope)
// and the fields the messages name wait in the window's request list until
// it focuses their controls.
#ifndef QLC_CFG_UI_DIALOG_WINDOW_H
#define QLC_CFG_UI_DIALOG_WINDOW_H

#include <stddef.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "cfg/ui/controls.h"

// The main window's requests to its pages (the page contract, page_table.h).
enum : UINT {
  kMsgPageClose = WM_APP + 1,  // take the entries over, answer accept or refuse
  kMsgPageShow,                // show the working record's values again
  kMsgPageLeave,               // the page stops being shown: hidden or rebuilt
};
enum : LONG_PTR { kPageAccept = 0, kPageRefuse = 1 };

// Told after a window has handled a message (one it handled outside any
// other of its messages): whatever the handler changed is complete then.
class MessageObserver {
 public:
  virtual void MessageHandled() = 0;

 protected:
  ~MessageObserver() = default;
};

class DialogWindow {
 public:
  DialogWindow() = default;
  virtual ~DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // The window, null before it is made and once it is gone.
  HWND Handle() const { return window_; }
  // A control of the window by its id, found once: under Wine each search
  // among a window's children is a trip to the window server.
  HWND Control(int id) const;
  // A modeless dialog from the program's template, child of (or owned by)
  // parent; null when it could not be made. The object must outlive it.
  HWND Create(HINSTANCE instance, int templateId, HWND parent);
  // A modal dialog owned by owner: what EndDialog was given, -1 when the
  // dialog could not be made.
  INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner);
  // The observer told after each message; null for none.
  void SetObserver(MessageObserver* observer) { observer_ = observer; }

  // The procedure of every such window. A window made by others (the hook
  // dialog of a common dialog) passes its object as WM_INITDIALOG's parameter.
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // WM_INITDIALOG: the controls are made; TRUE lets the dialog manager focus
  // the first one.
  virtual BOOL OnInitialize() { return TRUE; }
  // WM_COMMAND and WM_NOTIFY; true when handled, with the notification's
  // answer in *result.
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(NMHDR* header, LRESULT* result);
  // WM_VSCROLL from a control (an up-down); true when handled.
  virtual bool OnScroll(HWND control, int code);
  // The main window's requests to a page: take the entries over (true
  // accepts), show the record again, stop being shown.
  virtual bool OnClose() { return true; }
  virtual void OnShow() {}
  virtual void OnLeave() {}
  // WM_CTLCOLORSTATIC: a brush, or 0 for the system's colours.
  virtual INT_PTR OnColour(HDC dc, HWND control);
  // WM_DESTROY: releases what the window made.
  virtual void OnDestroy() {}
  // Any other message; true when handled, with the procedure's answer in
  // *result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);

  // The controls of the fields the window's messages name; without a table
  // the named fields are not collected.
  template <size_t N>
  void UseFieldControls(const FieldControl (&table)[N]) {
    fieldControls_ = table;
    fieldControlCount_ = N;
  }
  // Focuses the controls of the fields named so far, in order.
  void CarryOutFieldRequests();
  void DropFieldRequests() { fieldRequests_.clear(); }
  // Boxes shown while this window handles a message stay with the window
  // that was handling input before (a hook inside a common dialog).
  void LeaveMessagesToOwner() { ownsMessages_ = false; }

 private:
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Route(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  mutable std::vector<std::pair<int, HWND>> controls_;  // found so far
  std::vector<int> fieldRequests_;
  const FieldControl* fieldControls_ = nullptr;
  size_t fieldControlCount_ = 0;
  MessageObserver* observer_ = nullptr;
  bool ownsMessages_ = true;
  int depth_ = 0;  // messages being handled, nested ones included
};

#endif
