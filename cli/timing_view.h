// What `qlccfg timing` prints: the record's panel timing in datasheet terms,
// one value a line, or as one JSON object with the device-tree binding's
// property names.
#ifndef QLC_CLI_TIMING_VIEW_H
#define QLC_CLI_TIMING_VIEW_H

#include <string>

#include "cfg/record/configuration.h"

std::string FormatTimingText(const Configuration& config);
std::string FormatTimingJson(const Configuration& config);

#endif
