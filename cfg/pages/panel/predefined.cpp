#include "cfg/pages/panel/predefined.h"

#include <stdio.h>

#include "cfg/panel/matching.h"
#include "cfg/panel/rules.h"
#include "cfg/record/record.h"
#include "common/text_read.h"

const char kCustomPanelEntry[] = "Custom Panel";

void FillPredefinedPanelList(const PanelList& list, PanelPageView& view) {
  if (list.FromDebugFile())
    view.SetStatusLine(false, "DEBUG.DEF: panels with ** shouldn't work with 56420.");
  if (list.Count() == 0) return;
  std::vector<std::string> entries;
  for (int i = 0; i < list.Count(); ++i) {
    const PanelRecord& record = list.At(i);
    entries.push_back(PanelListEntry(record));
  }
  entries.push_back(kCustomPanelEntry);
  view.SetPredefinedPanelEntries(entries);
}

static bool CandidateMatches(const PanelList& list, int index, const PanelRecord& current) {
  const PanelRecord& candidate = list.At(index);
  return !candidate.Disqualified() && MatchesPanel(candidate, current);
}

int FindMatchingPanel(Configuration& config, const PanelList& list, PanelPageView& view) {
  if (!config.PanelMatching.rematchPending || list.Count() == 0)
    return config.PanelMatching.matchedIndex;
  PanelRecord current = CurrentPanelRecord(config);
  int first = config.PanelMatching.matchedIndex < 0 ? 0 : config.PanelMatching.matchedIndex;
  int found = -1;
  if (first < list.Count() && CandidateMatches(list, first, current)) {
    found = first;
  } else {
    for (int i = 0; i < list.Count() && found < 0; ++i)
      if (CandidateMatches(list, i, current)) found = i;
    if (found >= 0) view.SetStatusLine(false, "Found a match!");
  }
  if (found < 0) {
    config.PanelMatching.matchedIndex = -1;
    view.SetStatusLine(false, "");
    view.SelectPredefinedPanel(list.Count());
    return -1;
  }
  config.PanelMatching.matchedIndex = found;
  config.PanelMatching.rematchPending = false;
  view.SelectPredefinedPanel(found);
  return found;
}

// Index of the first entry starting with prefix (case ignored), searched
// from the second entry on and wrapping round to the first; -1 when none.
static int FindEntryStartingWith(const std::vector<std::string>& texts, const std::string& prefix) {
  size_t count = texts.size();
  for (size_t step = 1; step <= count; ++step) {
    size_t i = step % count;
    if (StartsWithNoCase(texts[i], prefix)) return static_cast<int>(i);
  }
  return -1;
}

PanelApplyResult ApplyPredefinedPanel(Configuration& config, const PanelList& list, int index,
                                      PanelPageView& view) {
  if (index < 0 || index >= list.Count()) return kPanelNotApplied;
  config.PanelMatching.matchedIndex = index;
  config.PanelMatching.rematchPending = false;
  const PanelRecord& record = list.At(index);
  // A list read without the qualification may still hold such a panel.
  if (record.Disqualified() || !PanelFitsRegisters(record)) {
    std::string reason = record.Reason();
    if (!record.Disqualified()) QualifyPanel(record, &reason);
    view.SetStatusLine(true, reason);
    return kPanelNotApplied;
  }
  view.SetStatusLine(false, "");
  config.PanelMatching.matchingEnabled = false;
  WritePanelRegisters(config, record);

  PixelClockList clocks = BuildPixelClockList(config);
  char wanted[32];
  snprintf(wanted, sizeof wanted, "%2d.%03d", record.PixelClock() / 1000,
           record.PixelClock() % 1000);
  int choice = FindEntryStartingWith(clocks.texts, wanted);
  if (choice >= 0) {
    clocks.selected = choice;
    ApplyPixelClockEntry(config, clocks.texts[static_cast<size_t>(choice)].c_str());
  } else {
    char status[96];
    snprintf(status, sizeof status, "Could not change pixel clock to \"%s\".", wanted);
    view.SetStatusLine(true, status);
  }
  view.ShowPixelClockList(clocks);
  if (clocks.selected >= 0)
    ApplyPixelClockEntry(config, clocks.texts[static_cast<size_t>(clocks.selected)].c_str());

  // The page is filled from the registers as when it opens, so its polarity
  // buttons show the panel's own polarities and leaving the page keeps them.
  view.ShowPanelSettings(FillPanelPageFromRegisters(config));
  view.ShowFrameRateList(BuildFrameRateList(config));
  view.SelectPredefinedPanel(index);
  config.PanelMatching.matchingEnabled = true;
  return choice >= 0 ? kPanelApplied : kPanelAppliedWithoutPixelClock;
}
