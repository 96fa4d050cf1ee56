// The Panel page's record logic, without any window: what opening the page,
// filling it from the registers and leaving it do to the working record. The
// page moves values between its controls and these functions; qlccfg runs the
// same functions, so that a command leaves the record exactly as the page.
//
// How the page uses it:
//   open                 OpenPanelPage(list, view)
//   a predefined panel   ApplyPredefinedPanel (matching.h); it refills the
//                        page through view.ShowPanelSettings, whose polarity
//                        values are the chosen panel's own
//   a type button        SelectPanelType, then DefaultPolarities for the
//                        polarity buttons (rules.h): only a click on a type
//                        button shows the type's default polarities
//   an entry             the entry rules of rules.h
//   leave                LeavePanelPage(entries): false keeps the page open;
//                        the refusal's message names the field to focus
//                        (panel_messages.h). Warnings never keep it open.
#ifndef QLC_CFG_PAGES_PANEL_PANEL_PAGE_H
#define QLC_CFG_PAGES_PANEL_PANEL_PAGE_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/pages/panel/panel_view.h"
#include "cfg/pages/panel/predefined.h"
#include "cfg/record/configuration.h"

class PanelList;

// Opening the page: asks for a new search, shows the pixel-clock list, fills
// the controls, fills the predefined panels, shows the frame-rate list
// (which stores FrameRate), searches for a matching panel and applies the
// 16-bit rule.
void OpenPanelPage(Configuration& config, const PanelList& list, PanelPageView& view);

// The choices that leaving the page takes over.
struct PanelPageLeaveEntries {
  bool fplineHigh;         // FPLINE "(hi)" checked
  bool fpframeHigh;        // FPFRAME "(hi)" checked
  std::string heightText;  // the height list's text
  std::string widthText;   // the width list's text
};

// The entries as the page shows them right after a fill, without edits.
PanelPageLeaveEntries ShownPanelPageEntries(const Configuration& config);

// Leaving the page: the polarity choices go into REG[20h] and REG[24h] bit 7;
// the height rule and the width rule (with its rounding question) may refuse,
// which keeps the page (false); the horizontal-total and vertical-total
// warnings do not; a K-VRX panel gets bit 6 of REG[A8h] and REG[ACh]; the
// recalculated hand-set registers are reported. True: the page may close.
bool LeavePanelPage(Configuration& config, const PanelPageLeaveEntries& entries);

#endif
