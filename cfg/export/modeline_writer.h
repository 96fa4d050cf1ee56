// An X modeline of the record's panel, with a comment line above it as cvt
// and gtf print one.
#ifndef QLC_CFG_EXPORT_MODELINE_WRITER_H
#define QLC_CFG_EXPORT_MODELINE_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

std::string ModelineText(const Configuration& config);

#endif
