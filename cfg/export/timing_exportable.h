// Whether the record's panel timing can be written in datasheet terms (the
// device-tree node and the modeline): both syncs outside the display periods
// and a pixel clock.
#ifndef QLC_CFG_EXPORT_TIMING_EXPORTABLE_H
#define QLC_CFG_EXPORT_TIMING_EXPORTABLE_H

#include "cfg/record/configuration.h"

// False after an error message that says why.
bool TimingTermsExportable(const Configuration& config);

#endif
