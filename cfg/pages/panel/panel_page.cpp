#include "cfg/pages/panel/panel_page.h"

#include <algorithm>

#include "cfg/pages/panel/predefined.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/rules.h"
#include "cfg/record/tracking.h"

void OpenPanelPage(const PanelList& list, PanelPageView& view) {
  MarkPanelSettingsChanged();
  view.ShowPixelClockList(BuildPixelClockList());
  view.ShowPanelSettings(FillPanelPageFromRegisters());
  FillPredefinedPanelList(list, view);
  view.ShowFrameRateList(BuildFrameRateList());
  FindMatchingPanel(list, view);
  bool sixteenBitAllowed = Apply16BitRule();
  view.ShowDataWidth(GetDataWidthCode(), sixteenBitAllowed);
}

PanelPageLeaveEntries ShownPanelPageEntries() {
  return {GetFplineHigh(), GetFpframeHigh(), std::to_string(GetPanelHeight()),
          std::to_string(GetPanelWidth())};
}

bool LeavePanelPage(const PanelPageLeaveEntries& entries) {
  SetFplineHigh(entries.fplineHigh);
  SetFpframeHigh(entries.fpframeHigh);
  if (!CheckPanelOnLeave(entries.heightText.c_str(), entries.widthText.c_str())) return false;
  SetKVrxGpioBits();
  ReportRecalculatedRegisters();
  return true;
}
