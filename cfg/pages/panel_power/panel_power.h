// The Panel Power page's rule: the two LCD power sequencing delays, unsigned
// 16-bit millisecond counts in the record.
#ifndef QLC_CFG_PANEL_PANEL_POWER_H
#define QLC_CFG_PANEL_PANEL_POWER_H

#include "cfg/record/configuration.h"

// The page's two entries, named in the refusals.
enum PanelPowerField { kPowerOffDelayField = 200, kPowerOnDelayField };

// One delay in milliseconds into the record. 65536 or more is reported
// through ShowPanelError ("ERROR: Panel Power Connect Time!" or "ERROR: Panel
// Power Disconnect Time!") about its field and changes nothing.
bool TakePowerDelay(Configuration& config, PanelPowerField field, uint32_t milliseconds);

// The page's two texts: the power-on delay, then the power-off delay. A text
// that does not read as a whole number is refused as too large; a delay taken
// before a refused one stays taken. True when both are taken.
bool TakePowerDelays(Configuration& config, const char* powerOffText, const char* powerOnText);

#endif
