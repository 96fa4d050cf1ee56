// The predefined panels on the Panel page: the list it shows, the panel the
// settings match, and applying the panel the user chooses.
#ifndef QLC_CFG_PAGES_PANEL_PREDEFINED_H
#define QLC_CFG_PAGES_PANEL_PREDEFINED_H

#include "cfg/pages/panel/panel_view.h"
#include "cfg/panel/paneldef.h"
#include "cfg/record/configuration.h"

extern const char kCustomPanelEntry[];

void FillPredefinedPanelList(const PanelList& list, PanelPageView& view);
// Returns the matched index or -1.
int FindMatchingPanel(Configuration& config, const PanelList& list, PanelPageView& view);
enum PanelApplyResult {
  kPanelNotApplied = 0,  // "Custom Panel" or a rejected panel: nothing changed
  kPanelApplied,
  kPanelAppliedWithoutPixelClock,  // the clock settings cannot give its pixel clock
};
// Writes the chosen panel into the registers and the pixel clock, then refills
// the page from the registers: the page shows the panel's own polarities.
PanelApplyResult ApplyPredefinedPanel(Configuration& config, const PanelList& list, int index,
                                      PanelPageView& view);

#endif
