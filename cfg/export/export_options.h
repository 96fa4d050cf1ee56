// The limits of the driver headers' options (ExportOptions in the
// configuration).
#ifndef QLC_CFG_EXPORT_EXPORT_OPTIONS_H
#define QLC_CFG_EXPORT_EXPORT_OPTIONS_H

#include <stdint.h>

#include "cfg/record/configuration.h"

enum { kMaxModeNumber = 1000 };

// Stores the mode number limited to 0..kMaxModeNumber.
void SetExportModeNumber(Configuration& config, int64_t modeNumber);

#endif
