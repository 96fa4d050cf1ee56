#include <windows.h>

#include "cfg/export/preview_viewer.h"

bool StartPreviewViewer(const std::string& path, std::string* commandLine) {
  *commandLine = "NOTEPAD.EXE " + path;
  // WinExec reports failure as a value below 32.
  return WinExec(commandLine->c_str(), SW_SHOWNORMAL) >= 32;
}
