#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cfg/export/preview_viewer.h"

extern char** environ;

namespace {

const char kViewer[] = "xdg-open";

bool ViewerOnPath() {
  const char* path = getenv("PATH");
  if (!path) return false;
  std::string directories = path;
  size_t start = 0;
  while (start <= directories.size()) {
    size_t end = directories.find(':', start);
    if (end == std::string::npos) end = directories.size();
    std::string directory = directories.substr(start, end - start);
    if (directory.empty()) directory = ".";
    if (access((directory + "/" + kViewer).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

bool StartPreviewViewer(const std::string& path, std::string* commandLine) {
  *commandLine = std::string(kViewer) + " " + path;
  if (!ViewerOnPath()) {
    // No desktop viewer: tell the user where the preview is.
    printf("%s\n", path.c_str());
    fflush(stdout);
    return true;
  }
  // xdg-open hands the file to the desktop's viewer and returns; its exit
  // status says whether that worked.
  char* arguments[] = {const_cast<char*>(kViewer), const_cast<char*>(path.c_str()), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, kViewer, nullptr, nullptr, arguments, environ) != 0) return false;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
