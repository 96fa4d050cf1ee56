#include <fcntl.h>
#include <io.h>
#include <stdio.h>

#include "cli/standard_output.h"

// Binary mode for the write, so that "\n" does not become CR LF a second time.
bool WriteStandardOutputBytes(const std::string& bytes) {
  fflush(stdout);
  int previous = _setmode(_fileno(stdout), _O_BINARY);
  bool written = WriteAllToStandardOutput(bytes);
  if (previous != -1) _setmode(_fileno(stdout), previous);
  return written;
}
