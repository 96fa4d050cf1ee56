// The predefined panel list, read once from DEBUG.DEF or PANELS.DEF beside
// the program before the main window opens, kept until the program ends.
#ifndef QLC_CFG_UI_PREDEFINED_PANELS_H
#define QLC_CFG_UI_PREDEFINED_PANELS_H

#include "cfg/panel/paneldef.h"

void LoadPredefinedPanels();
const PanelList& PredefinedPanels();

#endif
