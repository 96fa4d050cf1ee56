// appcfg.h: the working record as the C initialiser HalInfo of type HAL_STRUCT,
// for HAL-based applications built from source.
#ifndef QLC_CFG_EXPORT_APPCFG_WRITER_H
#define QLC_CFG_EXPORT_APPCFG_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

// The whole file with "\n" line ends; it ends in "    };" without one.
std::string AppcfgHeaderText(const Configuration& config);

#endif
