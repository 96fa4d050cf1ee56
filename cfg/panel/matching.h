// Predefined panels against the current settings: which panels the chip can
// drive, which one the settings match, and writing a chosen one into the
// registers. What the Panel page shows is reported through PanelPageView.
#ifndef QLC_CFG_PANEL_MATCHING_H
#define QLC_CFG_PANEL_MATCHING_H

#include <string>
#include <vector>

#include "paneldef.h"
#include "timing.h"

// The Panel page's side of the matching. Every method does nothing by
// default, so a front end without a page passes a plain PanelPageView.
class PanelPageView {
 public:
  virtual ~PanelPageView() = default;
  // red: dark red text; else dark blue.
  virtual void SetStatusLine(bool red, const std::string& text) { (void)red, (void)text; }
  // Entries of the "Predefined panels" list, replacing what it held.
  virtual void SetPredefinedPanelEntries(const std::vector<std::string>& entries) { (void)entries; }
  virtual void SelectPredefinedPanel(int index) { (void)index; }
  virtual void ShowPixelClockList(const PixelClockList& list) { (void)list; }
  virtual void ShowFrameRateList(const FrameRateList& list) { (void)list; }
  // Fill every control from the registers, then show the type's default
  // polarities (the registers keep the record's polarities until the page
  // is left).
  virtual void RefillWithTypeDefaults() {}
};

// Page-wide matching state, kept for the whole run.
struct PanelMatchState {
  int matchedIndex = 1;  // list index matched last, -1 none
  bool rematchPending = false;
  bool matchingEnabled = true;  // cleared while a panel is being applied
};
extern PanelMatchState PanelMatching;

// A panel setting may have changed: ask for a new search unless a panel is
// being applied.
void MarkPanelSettingsChanged();

// Rejects PCLK 0, more than 80 KB at 1 bpp, EL, 2x, dual panels and an
// unknown type, leaving "**Disqualified: ..." in reason.
bool QualifyPanel(const PanelRecord& record, std::string* reason);

// Data width bits the matching compares: 9/12/18 for TFT, 4/8/16 otherwise.
int DataWidthBits(unsigned type, unsigned code);
// Data width code of a panel's bits: 4 or 9 give 0, 8 or 12 give 1, else 2.
unsigned DataWidthCode(int bits);

PanelRecord CurrentPanelRecord();
bool MatchesPanel(const PanelRecord& candidate, const PanelRecord& current);

extern const char kCustomPanelEntry[];

void FillPredefinedPanelList(const PanelList& list, PanelPageView& view);
// Returns the matched index or -1.
int FindMatchingPanel(const PanelList& list, PanelPageView& view);
// Writes the chosen panel into the registers and the pixel clock; returns
// whether the registers were written ("Custom Panel" and rejected panels
// change nothing).
bool ApplyPredefinedPanel(const PanelList& list, int index, PanelPageView& view);

#endif
