#include <limits.h>
#include <unistd.h>

#include "cli/program_path.h"

std::string RunningProgramPath() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return std::string();
  return std::string(path, static_cast<size_t>(length));
}
