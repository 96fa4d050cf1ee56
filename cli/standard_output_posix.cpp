#include "cli/standard_output.h"

// POSIX text and binary output are the same bytes.
bool WriteStandardOutputBytes(const std::string& bytes) {
  return WriteAllToStandardOutput(bytes);
}
