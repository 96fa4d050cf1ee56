// Remembers which registers the user set by hand and reports those that a
// page's recalculation has since overwritten.
#ifndef QLC_CFG_RECORD_TRACKING_H
#define QLC_CFG_RECORD_TRACKING_H

#include "cfg/record/configuration.h"

// Marks the register's position in the working record's list (the last
// matching entry, as GetRegister finds it); an index not in the list is
// ignored.
void MarkRegisterModified(Configuration& config, unsigned index);

// Copies the working record's whole register list into the snapshot.
void TakeRegisterSnapshot(Configuration& config);

// Lists every marked register whose working value now differs from the
// snapshot in one information message ("The following manually modified
// registers were recalculated:\n" then "%xh " per register), clearing its mark
// and renewing its snapshot value. Shows nothing when none differs.
void ReportRecalculatedRegisters(Configuration& config);

#endif
