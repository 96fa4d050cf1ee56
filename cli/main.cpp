// qlccfg: the configuration of QLC56420 program files from the command line.
#include <stdio.h>

#include <string>
#include <vector>

#include "cfg/panel/paneldef.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/panel_folder.h"
#include "cli/program_path.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  Command command;
  std::string error;
  if (!ParseCommandLine(arguments, &command, &error)) {
    fprintf(stderr, "qlccfg: %s\nTry 'qlccfg --help'.\n", error.c_str());
    return kExitUsage;
  }
  std::string folder = FolderOfProgram(RunningProgramPath());
  if (!folder.empty()) SetDefaultPanelFolder(PanelFolderOfProgram(folder));
  return RunCommandLine(command);
}
