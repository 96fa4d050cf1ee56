#include "cfg/pages/panel/panel_view.h"

#include <algorithm>

#include "cfg/panel/rules.h"

SpinSetting HorizTotalSpin() {
  // A width near 1024 can need a total beyond what REG[12h] holds; the range
  // then shrinks to 1024 rather than turning round.
  uint32_t lowest = std::min<uint32_t>(GetMinHorizTotal(), kMaxHorizTotal);
  return {lowest, kMaxHorizTotal, HorizTotalShownValue()};
}

SpinSetting HorizStartSpin() {
  return {HorizStartOffset(GetPanelType()), kMaxDisplayStart, GetHorizStart()};
}

static ChoiceList PresetList(const uint32_t (&presets)[7], uint32_t current) {
  ChoiceList list;
  for (uint32_t preset : presets) list.entries.push_back(std::to_string(preset));
  list.SelectOrAppend(std::to_string(current));
  list.text = list.Text();
  return list;
}

ChoiceList PanelWidthList(uint32_t width) {
  static const uint32_t kWidths[7] = {160, 256, 320, 480, 640, 800, 1024};
  return PresetList(kWidths, width);
}

ChoiceList PanelHeightList(uint32_t height) {
  static const uint32_t kHeights[7] = {64, 160, 200, 240, 480, 600, 768};
  return PresetList(kHeights, height);
}

PanelTypeLabels TypeLabels(unsigned type) {
  PanelTypeLabels labels;
  for (unsigned code = 0; code < 3; ++code)
    labels.dataWidth[code] = std::to_string(DataWidthBitsOf(type, code)) + "-bit";
  labels.resolutionEnabled = type == kPanelHrTft || type == kPanelKVrx;
  labels.smallResolution = type == kPanelKVrx ? "160x240" : "160x160";
  return labels;
}

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
  fill.horizTotal = HorizTotalSpin();
  fill.vertTotal = {1, kMaxVertTotal, GetVertTotal()};
  fill.horizStart = HorizStartSpin();
  fill.vertStart = {0, kMaxDisplayStart, GetVertStart()};
  fill.fplineStart = {1, kMaxFplineStart, GetFplineStart()};
  fill.fplineWidth = {1, kMaxFplineWidth, GetFplineWidth()};
  fill.fpframeStart = {0, kMaxFpframeStart, GetFpframeStart()};
  fill.fpframeWidth = {1, kMaxFpframeWidth, GetFpframeWidth()};
  return fill;
}
