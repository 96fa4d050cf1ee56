// The record's panel as a PANEL line of the panel definition file, ready to
// be appended to PANELS.DEF: choosing it on the Panel page writes the same
// panel registers and pixel clock back.
#ifndef QLC_CFG_EXPORT_PANELDEF_WRITER_H
#define QLC_CFG_EXPORT_PANELDEF_WRITER_H

#include <string>

#include "cfg/record/configuration.h"

std::string PanelDefinitionText(const Configuration& config);

// Warns when the panel definition reader would leave the panel out of
// PANELS.DEF (it lists it, marked, from DEBUG.DEF only). Always true.
bool WarnAboutDisqualifiedPanel(const Configuration& config);

#endif
