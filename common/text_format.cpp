#include "common/text_format.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

static void AppendFormatList(std::string& out, const char* format, va_list arguments) {
  va_list copy;
  va_copy(copy, arguments);
  char buffer[256];
  int length = vsnprintf(buffer, sizeof buffer, format, arguments);
  if (length < 0) {
    va_end(copy);
    return;
  }
  if (static_cast<size_t>(length) < sizeof buffer) {
    out.append(buffer, static_cast<size_t>(length));
  } else {
    std::vector<char> large(static_cast<size_t>(length) + 1);
    vsnprintf(large.data(), large.size(), format, copy);
    out.append(large.data(), static_cast<size_t>(length));
  }
  va_end(copy);
}

void AppendFormat(std::string& out, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  AppendFormatList(out, format, arguments);
  va_end(arguments);
}

std::string FormatTextList(const char* format, va_list arguments) {
  std::string text;
  AppendFormatList(text, format, arguments);
  return text;
}

std::string FormatText(const char* format, ...) {
  std::string text;
  va_list arguments;
  va_start(arguments, format);
  AppendFormatList(text, format, arguments);
  va_end(arguments);
  return text;
}
