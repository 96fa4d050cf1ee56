// Running a parsed command line over the configuration modules.
#ifndef QLC_CLI_COMMANDS_H
#define QLC_CLI_COMMANDS_H

#include <string>

#include "cli/command_line.h"

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// The folder whose DEBUG.DEF or PANELS.DEF is read when --def is not given.
void SetDefaultPanelFolder(const std::string& folder);

// Runs the command; output goes to standard output, messages to standard
// error. Returns the exit code.
int RunCommandLine(const Command& command);

#endif
