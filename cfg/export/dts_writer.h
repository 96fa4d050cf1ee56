// A device-tree panel-timing node (the display-timing binding) of the
// record's panel, to be placed in the panel's node of a board's tree.
#ifndef QLC_CFG_EXPORT_DTS_WRITER_H
#define QLC_CFG_EXPORT_DTS_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

std::string DeviceTreeTimingText(const Configuration& config);

#endif
