// The Panel Power page's rule: the two LCD power sequencing delays, unsigned
// 16-bit millisecond counts in the record.
#ifndef QLC_CFG_PANEL_PANEL_POWER_H
#define QLC_CFG_PANEL_PANEL_POWER_H

#include "cfg/record/configuration.h"

// The page's two entries, named in the refusals.
enum PanelPowerField { kPowerOffDelayField = 200, kPowerOnDelayField };

// Takes the power-on delay, then the power-off delay, into the record. A
// delay that does not read as a whole number or is 65536 or more is reported
// through ShowPanelError ("ERROR: Panel Power Connect Time!" or "ERROR: Panel
// Power Disconnect Time!") about its field; a delay taken
// before it stays taken. True when both are taken.
bool TakePowerDelays(Configuration& config, const char* powerOffText, const char* powerOnText);

#endif
