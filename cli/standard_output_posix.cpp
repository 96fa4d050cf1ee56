#include <stdio.h>

#include "standard_output.h"

static bool WriteAll(const std::string& data) {
  size_t written = fwrite(data.data(), 1, data.size(), stdout);
  return fflush(stdout) == 0 && written == data.size();
}

bool WriteStandardOutput(const std::string& text) {
  return WriteAll(text);
}

bool WriteStandardOutputBytes(const std::string& bytes) {
  return WriteAll(bytes);
}
