#include "cfg/export/text_format.h"

#include <stdarg.h>
#include <stdio.h>

#include <vector>

#include "cfg/record/record.h"

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TextFileResult WriteTextFile(const std::string& path, const std::string& text) {
  // Binary mode with explicit CR LF: the bytes do not depend on the platform.
  FILE* file = fopen(path.c_str(), "wb");
  if (!file) return TextFileResult::kOpenFailed;
  std::string bytes = WithCrLf(text);
  bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = fflush(file) == 0 && written;
  written = fclose(file) == 0 && written;
  return written ? TextFileResult::kWritten : TextFileResult::kWriteFailed;
}

void AppendGcpBlock(std::string& out, const char* indent) {
  AppendFormat(out, "%s{\n%s/*GcpData*/\n", indent, indent);
  const uint8_t* bytes = kDefaultHalStruct.GcpData;
  const int count = sizeof kDefaultHalStruct.GcpData;
  for (int i = 0; i < count; ++i) {
    if (i % 8 == 0) out += indent;
    AppendFormat(out, "0x%02x", bytes[i]);
    out += i == count - 1 ? "\n" : i % 8 == 7 ? ",\n" : ", ";
  }
  AppendFormat(out, "%s},\n\n", indent);
}
