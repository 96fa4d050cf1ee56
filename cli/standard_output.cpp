#include "cli/standard_output.h"

#include <stdio.h>

bool WriteAllToStandardOutput(const std::string& data) {
  size_t written = fwrite(data.data(), 1, data.size(), stdout);
  return fflush(stdout) == 0 && written == data.size();
}

bool WriteStandardOutput(const std::string& text) {
  return WriteAllToStandardOutput(text);
}
