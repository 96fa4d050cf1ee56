#include "cfg/ui/message_box.h"

#include "common/message.h"

namespace {
MessagePresenter g_presenter = ShowMessageBox;
HWND g_owner = nullptr;
std::vector<int>* g_fieldRequests = nullptr;
bool g_fieldMessageShowing = false;
BeforeMessageScope::Action g_beforeMessage = nullptr;
void* g_beforeMessageContext = nullptr;

int ShowOwnedMessage(unsigned style, int field, const char* text) {
  if (g_beforeMessage) g_beforeMessage(g_beforeMessageContext);
  if (field == kNoField) return g_presenter(g_owner, style, text);
  bool wasShowing = g_fieldMessageShowing;
  g_fieldMessageShowing = true;
  int answer = g_presenter(g_owner, style, text);
  g_fieldMessageShowing = wasShowing;
  if (g_fieldRequests) g_fieldRequests->push_back(field);
  return answer;
}
}  // namespace

int ShowMessageBox(void* owner, unsigned style, const char* text) {
  return MessageBoxA(static_cast<HWND>(owner), text, "56420CFG", style);
}

MessagePresenter UseMessageBoxes(MessagePresenter presenter) {
  MessagePresenter previous = g_presenter;
  g_presenter = presenter ? presenter : ShowMessageBox;
  SetMessageSink(ShowOwnedMessage);
  return previous;
}

MessageOwnerScope::MessageOwnerScope(HWND owner, std::vector<int>* fieldRequests)
    : previousOwner_(g_owner), previousRequests_(g_fieldRequests) {
  g_owner = owner;
  g_fieldRequests = fieldRequests;
}

MessageOwnerScope::~MessageOwnerScope() {
  g_owner = previousOwner_;
  g_fieldRequests = previousRequests_;
}

BeforeMessageScope::BeforeMessageScope(Action action, void* context)
    : previousAction_(g_beforeMessage), previousContext_(g_beforeMessageContext) {
  g_beforeMessage = action;
  g_beforeMessageContext = context;
}

BeforeMessageScope::~BeforeMessageScope() {
  g_beforeMessage = previousAction_;
  g_beforeMessageContext = previousContext_;
}

HWND CurrentMessageOwner() {
  return g_owner;
}

bool FieldMessageShowing() {
  return g_fieldMessageShowing;
}
