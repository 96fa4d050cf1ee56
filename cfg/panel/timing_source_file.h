// Reading a timing source from a file, for qlccfg's import-timing and the
// configurator's File > Import Timing alike.
#ifndef QLC_CFG_PANEL_TIMING_SOURCE_FILE_H
#define QLC_CFG_PANEL_TIMING_SOURCE_FILE_H

#include <string>

#include "cfg/panel/timing_source.h"

// Reads the file at path (a small text: a larger file than 4 MB is no
// source) and the timing it holds. False after the failure was shown:
// "ERROR: open failed on input file PATH", "ERROR: PATH: the file is larger
// than 4 MB, too large for a timing source" or "ERROR: PATH: REASON" with the
// reader's reason.
bool ReadTimingSourceFile(const std::string& path, TimingSource* source);

#endif
