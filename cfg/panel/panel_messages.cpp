#include "cfg/panel/panel_messages.h"

#include <stdarg.h>
#include <stdio.h>

#include "common/message.h"

static void* g_panelMessageOwner = nullptr;
static bool g_panelMessageShowing = false;
static std::vector<PanelFocusRequest> g_focusRequests;

void SetPanelMessageOwner(void* page) {
  g_panelMessageOwner = page;
}
void* PanelMessageOwner() {
  return g_panelMessageOwner;
}
bool PanelMessageShowing() {
  return g_panelMessageShowing;
}

std::vector<PanelFocusRequest> TakePanelFocusRequests() {
  std::vector<PanelFocusRequest> requests;
  requests.swap(g_focusRequests);
  return requests;
}

static int ShowPanelBox(unsigned icon, int control, const char* format, va_list arguments) {
  char text[kMaxMessageLength];
  vsnprintf(text, sizeof text, format, arguments);
  g_panelMessageShowing = true;
  int answer = ShowMessage(g_panelMessageOwner, kMsgOk | icon | kMsgTaskModal, "%s", text);
  bool isList = control == kCtlWidthList || control == kCtlHeightList;
  g_focusRequests.push_back({control, isList});
  g_panelMessageShowing = false;
  return answer;
}

int ShowPanelError(int control, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = ShowPanelBox(kMsgIconError, control, format, arguments);
  va_end(arguments);
  return answer;
}

int ShowPanelWarning(int control, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = ShowPanelBox(kMsgIconWarning, control, format, arguments);
  va_end(arguments);
  return answer;
}
