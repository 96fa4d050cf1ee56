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

static int PrintToStandardError(unsigned style, int, const char* text) {
  fprintf(stderr, "%s\n", text);
  return DefaultAnswer(style);
}

static MessageSink g_messageSink = PrintToStandardError;

MessageSink SetMessageSink(MessageSink sink) {
  MessageSink previous = g_messageSink;
  g_messageSink = sink ? sink : PrintToStandardError;
  return previous;
}

static int Show(int field, unsigned style, const char* format, va_list arguments) {
  char text[kMaxMessageLength];
  vsnprintf(text, sizeof text, format, arguments);
  return g_messageSink(style, field, text);
}

int ShowMessage(unsigned style, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = Show(kNoField, style, format, arguments);
  va_end(arguments);
  return answer;
}

int ShowFieldMessage(int field, unsigned style, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int answer = Show(field, style, format, arguments);
  va_end(arguments);
  return answer;
}
