// qlc56420.h: geometry, addresses, clocks, palette macros and the register
// list for display drivers that do not use the HAL.
#ifndef QLC_CFG_EXPORT_GENERIC_WRITER_H
#define QLC_CFG_EXPORT_GENERIC_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

// The whole file with "\n" line ends; uses the export options' software
// cursor and blit emulation flags.
std::string GenericHeaderText(const Configuration& config);

#endif
