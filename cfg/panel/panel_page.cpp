#include "panel_page.h"

#include "../record/tracking.h"
#include "matching.h"
#include "rules.h"

PanelPageFill FillPanelPageFromRegisters() {
  CorrectHorizTotalOnShow();
  // The type-dependent controls, filled in register mode.
  UpdateGpioForPanelType();
  bool format2Enabled = ApplyFormat2Rule();

  PanelPageFill fill;
  fill.type = GetPanelType();
  fill.color = IsColorPanel();
  fill.format2 = IsFormat2();
  fill.format2Enabled = format2Enabled;
  fill.dataWidthCode = GetDataWidthCode();
  fill.largeResolution = IsLargeActiveResolution();
  fill.fplineHigh = GetFplineHigh();
  fill.fpframeHigh = GetFpframeHigh();
  fill.width = GetPanelWidth();
  fill.height = GetPanelHeight();
  fill.horizTotal = {GetMinHorizTotal(), kMaxHorizTotal, HorizTotalShownValue()};
  fill.vertTotal = {1, kMaxVertTotal, GetVertTotal()};
  fill.horizStart = {HorizStartOffset(fill.type), kMaxDisplayStart, GetHorizStart()};
  fill.vertStart = {0, kMaxDisplayStart, GetVertStart()};
  fill.fplineStart = {1, kMaxFplineStart, GetFplineStart()};
  fill.fplineWidth = {1, kMaxFplineWidth, GetFplineWidth()};
  fill.fpframeStart = {0, kMaxFpframeStart, GetFpframeStart()};
  fill.fpframeWidth = {1, kMaxFpframeWidth, GetFpframeWidth()};
  return fill;
}

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
