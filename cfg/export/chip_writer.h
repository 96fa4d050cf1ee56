// chip.h: the class Reg naming the chip's registers by index. Fixed text,
// independent of the configuration.
#ifndef QLC_CFG_EXPORT_CHIP_WRITER_H
#define QLC_CFG_EXPORT_CHIP_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

std::string ChipHeaderText(const Configuration& config);

#endif
