#include "cfg/pages/panel/panel_view.h"

#include <algorithm>

#include "cfg/panel/panel_messages.h"
#include "cfg/panel/rules.h"

const SpinAcceleration kHorizTotalSteps[2] = {{0, 8}, {2, 32}};

bool RebuildsFrameRates(int field) {
  switch (field) {
    case kPanelWidthField:
    case kPanelHeightField:
    case kPanelHorizTotalField:
    case kPanelVertTotalField:
    case kPanelPixelClockField:
      return true;
    default:
      return false;
  }
}

SpinSetting HorizTotalSpin(const Configuration& config) {
  // A width near 1024 can need a total beyond what REG[12h] holds; the range
  // then shrinks to 1024 rather than turning round.
  uint32_t lowest = std::min<uint32_t>(GetMinHorizTotal(config), kMaxHorizTotal);
  return {lowest, kMaxHorizTotal, HorizTotalShownValue(config)};
}

SpinSetting HorizStartSpin(const Configuration& config) {
  return {HorizStartOffset(GetPanelType(config)), kMaxDisplayStart, GetHorizStart(config)};
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

PanelPageFill FillPanelPageFromRegisters(Configuration& config) {
  CorrectHorizTotalOnShow(config);
  // The type-dependent controls, filled in register mode.
  UpdateGpioForPanelType(config);
  bool format2Enabled = ApplyFormat2Rule(config);

  PanelPageFill fill;
  fill.type = GetPanelType(config);
  fill.color = IsColorPanel(config);
  fill.format2 = IsFormat2(config);
  fill.format2Enabled = format2Enabled;
  fill.dataWidthCode = GetDataWidthCode(config);
  fill.largeResolution = IsLargeActiveResolution(config);
  fill.fplineHigh = GetFplineHigh(config);
  fill.fpframeHigh = GetFpframeHigh(config);
  fill.width = GetPanelWidth(config);
  fill.height = GetPanelHeight(config);
  fill.horizTotal = HorizTotalSpin(config);
  fill.vertTotal = {1, kMaxVertTotal, GetVertTotal(config)};
  fill.horizStart = HorizStartSpin(config);
  fill.vertStart = {0, kMaxDisplayStart, GetVertStart(config)};
  fill.fplineStart = {1, kMaxFplineStart, GetFplineStart(config)};
  fill.fplineWidth = {1, kMaxFplineWidth, GetFplineWidth(config)};
  fill.fpframeStart = {0, kMaxFpframeStart, GetFpframeStart(config)};
  fill.fpframeWidth = {1, kMaxFpframeWidth, GetFpframeWidth(config)};
  return fill;
}
