// Predefined panels against the current settings: which panels the chip can
// drive, which one the settings match, and writing a chosen one into the
// registers.
#ifndef QLC_CFG_PANEL_MATCHING_H
#define QLC_CFG_PANEL_MATCHING_H

#include <string>
#include <vector>

#include "cfg/panel/paneldef.h"
#include "cfg/panel/timing.h"
#include "cfg/record/configuration.h"

// A panel setting may have changed: ask for a new search unless a panel is
// being applied.
void MarkPanelSettingsChanged(Configuration& config);

// Rejects PCLK 0, more than 80 KB at 1 bpp, EL, 2x, dual panels, an unknown
// type and, when none of these applies, fields no register can hold
// (" VTOTAL out of range;" and so on), leaving "**Disqualified: ..." in reason.
bool QualifyPanel(const PanelRecord& record, std::string* reason);

// Data width bits the matching compares: 9/12/18 for TFT, 4/8/16 otherwise.
int DataWidthBits(unsigned type, unsigned code);
// Data width code of a panel's bits: 4 or 9 give 0, 8 or 12 give 1, else 2.
unsigned DataWidthCode(int bits);

PanelRecord CurrentPanelRecord(const Configuration& config);
bool MatchesPanel(const PanelRecord& candidate, const PanelRecord& current);

// Whether every field of the panel can be written into its register.
bool PanelFitsRegisters(const PanelRecord& record);
// Writes the panel's timings into the registers (the fields must fit).
void WritePanelRegisters(Configuration& config, const PanelRecord& record);

#endif
