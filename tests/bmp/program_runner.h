// Running the built 56420BMP as a user does, on a virtual board kept in a
// folder, and reading back what its panel shows.
#ifndef QLC_TESTS_BMP_PROGRAM_RUNNER_H
#define QLC_TESTS_BMP_PROGRAM_RUNNER_H

#include <stdint.h>

#include <functional>
#include <string>

#include "common/hal_struct.h"
#include "sim/virtual_board.h"

// The program as built.
std::string BuiltBmpProgram();
// A native path of the build's host (Windows builds run under Wine).
std::string HostPath(const std::string& path);

// Runs program with the arguments, the virtual board in boardFolder (empty:
// none); returns the exit code and fills output with standard output.
int RunBmpProgram(const std::string& program, const std::string& arguments,
                  const std::string& boardFolder, std::string* output);

// A copy of the built program at path whose embedded record was changed by
// edit (starting from the default record), saved the way the configuration
// utility saves it.
bool MakeConfiguredProgram(const std::string& path, const std::function<void(HAL_STRUCT&)>& edit);
// Record edits: the panel size (and matching line offsets, sub-window over
// the whole panel at 8 bits per pixel), and the sub-window registers.
void SetPanelSize(HAL_STRUCT& record, uint32_t width, uint32_t height);
void SetRecordRegister(HAL_STRUCT& record, unsigned index, unsigned value);

// The panel of the board kept in folder.
PanelImage RenderBoard(const std::string& folder);
uint32_t BoardRegister16(const std::string& folder, unsigned index);

#endif
