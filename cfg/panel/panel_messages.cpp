#include "cfg/panel/panel_messages.h"

#include <stdarg.h>

#include "common/message.h"
#include "common/text_format.h"

static int ShowPanelBox(unsigned icon, int field, const char* format, va_list arguments) {
  return ShowFieldMessage(field, kMsgOk | icon | kMsgTaskModal, "%s",
                          FormatTextList(format, arguments).c_str());
}

int ShowPanelError(int field, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = ShowPanelBox(kMsgIconError, field, format, arguments);
  va_end(arguments);
  return answer;
}

int ShowPanelWarning(int field, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = ShowPanelBox(kMsgIconWarning, field, format, arguments);
  va_end(arguments);
  return answer;
}
