#include "common/message.h"

#include <stdarg.h>
#include <stdio.h>

int DefaultAnswer(unsigned style) {
  switch (style & kMsgButtonMask) {
    case kMsgYesNo:
    case kMsgYesNoCancel:
      return kAnswerYes;
    default:
      return kAnswerOk;
  }
}

static int PrintToStandardError(void*, unsigned style, const char* text) {
  fprintf(stderr, "%s\n", text);
  return DefaultAnswer(style);
}

static MessageSink g_messageSink = PrintToStandardError;

MessageSink SetMessageSink(MessageSink sink) {
  MessageSink previous = g_messageSink;
  g_messageSink = sink ? sink : PrintToStandardError;
  return previous;
}

int ShowMessage(void* owner, unsigned style, const char* format, ...) {
  char text[kMaxMessageLength];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  return g_messageSink(owner, style, text);
}
