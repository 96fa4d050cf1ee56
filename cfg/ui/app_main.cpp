// 56420CFG.EXE: the configurator's window program. An optional argument names
// a file to open at start (as the shell's "Open with" and a drop on the
// program's icon hand it over).
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include <string>

#include "cfg/record/wide_names.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/predefined_panels.h"

static std::string FileArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string file;
  if (arguments && count > 1) file = NarrowFileName(arguments[1]);
  LocalFree(arguments);
  return file;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  UseMessageBoxes();
  LoadPredefinedPanels();
  std::string file = FileArgument();
  Configuration configuration;
  if (!CreateMainWindow(instance, show, configuration, file.c_str())) return 1;
  return RunMessageLoop();
}
