#include "cfg/pages/panel/panel_page.h"

#include <algorithm>

#include "cfg/pages/panel/predefined.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/rules.h"
#include "cfg/record/tracking.h"

void OpenPanelPage(Configuration& config, const PanelList& list, PanelPageView& view) {
  MarkPanelSettingsChanged(config);
  view.ShowPixelClockList(BuildPixelClockList(config));
  view.ShowPanelSettings(FillPanelPageFromRegisters(config));
  FillPredefinedPanelList(list, view);
  view.ShowFrameRateList(BuildFrameRateList(config));
  FindMatchingPanel(config, list, view);
  bool sixteenBitAllowed = Apply16BitRule(config);
  view.ShowDataWidth(GetDataWidthCode(config), sixteenBitAllowed);
}

PanelPageLeaveEntries ShownPanelPageEntries(const Configuration& config) {
  return {GetFplineHigh(config), GetFpframeHigh(config), std::to_string(GetPanelHeight(config)),
          std::to_string(GetPanelWidth(config))};
}

bool LeavePanelPage(Configuration& config, const PanelPageLeaveEntries& entries) {
  SetFplineHigh(config, entries.fplineHigh);
  SetFpframeHigh(config, entries.fpframeHigh);
  if (!CheckPanelOnLeave(config, entries.heightText.c_str(), entries.widthText.c_str()))
    return false;
  SetKVrxGpioBits(config);
  ReportRecalculatedRegisters(config);
  return true;
}
