// The full path of the running program file, whose folder holds the panel
// definition files.
#ifndef QLC_CLI_PROGRAM_PATH_H
#define QLC_CLI_PROGRAM_PATH_H

#include <string>

// Empty when the system does not tell.
std::string RunningProgramPath();

#endif
