// Messages of the configurator shown as Win32 message boxes. A box belongs
// to the window whose input is being handled (a MessageOwnerScope); a
// message about one entry leaves that entry's field for the window to focus
// once the box is answered.
#ifndef QLC_CFG_UI_MESSAGE_BOX_H
#define QLC_CFG_UI_MESSAGE_BOX_H

#include <windows.h>

#include <vector>

// The box is titled "56420CFG", owned by owner (a window handle or null), with
// the style's icon and buttons; returns the button pressed.
int ShowMessageBox(void* owner, unsigned style, const char* text);
typedef int (*MessagePresenter)(void* owner, unsigned style, const char* text);

// Makes ShowMessage show its messages through presenter (message boxes
// unless a test records them), owned as below; returns the previous presenter.
MessagePresenter UseMessageBoxes(MessagePresenter presenter = ShowMessageBox);

// While a scope lives its window owns the boxes, and the fields that
// messages name are added to *fieldRequests (when given). Scopes nest.
class MessageOwnerScope {
 public:
  explicit MessageOwnerScope(HWND owner, std::vector<int>* fieldRequests = nullptr);
  ~MessageOwnerScope();
  MessageOwnerScope(const MessageOwnerScope&) = delete;
  MessageOwnerScope& operator=(const MessageOwnerScope&) = delete;

 private:
  HWND previousOwner_;
  std::vector<int>* previousRequests_;
};

// While a scope lives, its action runs before each box is shown (a window
// brings what it shows up to date, so that the box is seen beside it).
class BeforeMessageScope {
 public:
  typedef void (*Action)(void* context);
  BeforeMessageScope(Action action, void* context);
  ~BeforeMessageScope();
  BeforeMessageScope(const BeforeMessageScope&) = delete;
  BeforeMessageScope& operator=(const BeforeMessageScope&) = delete;

 private:
  Action previousAction_;
  void* previousContext_;
};

HWND CurrentMessageOwner();
// True while a box about a field is up: the field's edit box then keeps its
// state when the box takes the focus.
bool FieldMessageShowing();

#endif
