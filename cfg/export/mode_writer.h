// mode%d.h: one display mode for a Windows CE display driver, named by the
// export options' mode number.
#ifndef QLC_CFG_EXPORT_MODE_WRITER_H
#define QLC_CFG_EXPORT_MODE_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

// The whole file with "\n" line ends; uses all three export options.
std::string ModeHeaderText(const Configuration& config);

#endif
