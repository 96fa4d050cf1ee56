// The Panel Power page's rule: the two LCD power sequencing delays, unsigned
// 16-bit millisecond counts in the record.
#ifndef QLC_CFG_PANEL_PANEL_POWER_H
#define QLC_CFG_PANEL_PANEL_POWER_H

#include "cfg/record/configuration.h"

// Resource ids of the page's two fields, named in the focus requests.
enum PanelPowerControlId { kCtlPowerOffDelay = 1475, kCtlPowerOnDelay = 1476 };

// Takes the power-on delay, then the power-off delay, into the record. A
// delay that does not read as a whole number or is 65536 or more is reported
// through ShowPanelError ("ERROR: Panel Power Connect Time!" or "ERROR: Panel
// Power Disconnect Time!") with a focus request for its field; a delay taken
// before it stays taken. True when both are taken.
bool TakePowerDelays(Configuration& config, const char* powerOffText, const char* powerOnText);

#endif
