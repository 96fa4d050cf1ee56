// 56420regs.csv: the working record's register list with descriptions, two
// registers to a line.
#ifndef QLC_CFG_EXPORT_CSV_WRITER_H
#define QLC_CFG_EXPORT_CSV_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

std::string CsvListingText(const Configuration& config);

#endif
