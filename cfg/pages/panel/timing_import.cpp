#include "cfg/pages/panel/timing_import.h"

#include <stdio.h>

#include <vector>

#include "cfg/pages/panel/panel_page.h"
#include "cfg/pages/settings.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/pixel_clock.h"
#include "cfg/panel/timing.h"
#include "common/message.h"

namespace {

const unsigned kErrorBox = kMsgOk | kMsgIconError;

uint64_t Distance(uint64_t a, uint64_t b) {
  return a > b ? a - b : b - a;
}

// "23.750" for a whole number of kHz, else to the hertz: "25.175123".
std::string Megahertz(uint64_t hertz) {
  char text[48];
  if (hertz % 1000 == 0)
    snprintf(text, sizeof text, "%llu.%03llu", static_cast<unsigned long long>(hertz / 1000000),
             static_cast<unsigned long long>(hertz / 1000 % 1000));
  else
    snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(hertz / 1000000),
             static_cast<unsigned long long>(hertz % 1000000));
  return text;
}

// Says how far the pixel clock set is from the one asked for.
void ReportPixelClockDifference(uint64_t asked, const PixelClockNearest& nearest) {
  uint64_t set = uint64_t{nearest.kHz} * 1000;
  if (set == asked) return;
  double percent =
      (static_cast<double>(set) - static_cast<double>(asked)) * 100.0 / static_cast<double>(asked);
  ShowMessage(kMsgOk | kMsgIconInfo,
              "Pixel clock: %s MHz cannot be had with these clock settings; the nearest, %s MHz, "
              "is %.2f%% %s.",
              Megahertz(asked).c_str(), Megahertz(set).c_str(), percent < 0 ? -percent : percent,
              percent < 0 ? "lower" : "higher");
}

struct NamedValue {
  const char* name;
  std::string value;
};

// The Panel page's entries in the order a user fills them: the pixel clock
// and the size before the totals (the smallest horizontal total depends on
// both), the type before the horizontal start (its offset).
std::vector<NamedValue> SizeSettings(const ChipTimingSettings& chip) {
  return {{"Width", std::to_string(chip.width)}, {"Height", std::to_string(chip.height)}};
}

std::vector<NamedValue> PositionSettings(const ChipTimingSettings& chip) {
  return {
      {"HorizTotal", std::to_string(chip.horizTotal)},
      {"VertTotal", std::to_string(chip.vertTotal)},
      {"HorizStart", std::to_string(chip.horizStart)},
      {"VertStart", std::to_string(chip.vertStart)},
      {"FplineStart", std::to_string(chip.fplineStart)},
      {"FplineWidth", std::to_string(chip.fplineWidth)},
      {"FpframeStart", std::to_string(chip.fpframeStart)},
      {"FpframeWidth", std::to_string(chip.fpframeWidth)},
      {"FplinePolarity", chip.fplineHigh ? "high" : "low"},
      {"FpframePolarity", chip.fpframeHigh ? "high" : "low"},
  };
}

bool ApplyAll(Configuration& config, const std::vector<NamedValue>& settings) {
  for (const NamedValue& setting : settings)
    if (ApplyPanelSetting(config, setting.name, setting.value.c_str()) != kSettingAccepted)
      return false;
  return true;
}

bool ApplyOnPanelPage(Configuration& config, const TimingTerms& terms, unsigned type,
                      const ChipTimingSettings& chip) {
  const PanelList noPredefinedPanels;
  PanelPageView quietPage;
  OpenPanelPage(config, noPredefinedPanels, quietPage);
  if (!ApplyAll(config, {{"PanelType", PanelTypeName(type)}})) return false;
  if (type == kPanelHrTft || type == kPanelKVrx) {
    const char* resolution = chip.largeResolution  ? "320x240"
                             : type == kPanelHrTft ? "160x160"
                                                   : "160x240";
    if (!ApplyAll(config, {{"ActiveResolution", resolution}})) return false;
  }
  PixelClockNearest clock = NearestPixelClock(config, terms.pixelClockHz);
  if (!clock.keepCurrent && !ApplyAll(config, {{"PixelClock", clock.entry}})) return false;
  ReportPixelClockDifference(terms.pixelClockHz, clock);
  if (!ApplyAll(config, SizeSettings(chip))) return false;
  uint32_t smallestTotal = GetMinHorizTotal(config);
  if (chip.horizTotal < smallestTotal) {
    ShowMessage(kErrorBox,
                "ERROR: htotal %u is less than the %u pixels the horizontal total needs at %s "
                "MHz (8 memory-clock periods outside the display period)!",
                chip.horizTotal, smallestTotal, FormatFrequency(GetPixelClock(config)).c_str());
    return false;
  }
  if (!ApplyAll(config, PositionSettings(chip))) return false;
  return LeavePanelPage(config, ShownPanelPageEntries(config));
}

}  // namespace

PixelClockNearest NearestPixelClock(const Configuration& config, uint64_t hertz) {
  PixelClockNearest nearest;
  nearest.keepCurrent = true;
  nearest.kHz = GetPixelClock(config);
  uint64_t best = Distance(uint64_t{nearest.kHz} * 1000, hertz);
  for (const std::string& entry : BuildPixelClockList(config).texts) {
    uint32_t source = 0, divide = 0;
    if (!FindPixelClockChoice(config, entry.c_str(), &source, &divide) || divide == 0) continue;
    uint32_t kHz = source / divide;
    uint64_t distance = Distance(uint64_t{kHz} * 1000, hertz);
    if (distance < best) {
      best = distance;
      nearest = {entry, kHz, false};
    }
  }
  return nearest;
}

bool ImportTimingTerms(Configuration& config, const TimingTerms& terms, unsigned type) {
  ChipTimingSettings chip;
  std::string refusal;
  if (!ChipSettingsFromTerms(terms, type, &chip, &refusal)) {
    ShowMessage(kErrorBox, "ERROR: %s!", refusal.c_str());
    return false;
  }
  // The steps run on a copy, so that a refusal half way leaves nothing behind.
  Configuration trial = config;
  if (!ApplyOnPanelPage(trial, terms, type, chip)) return false;
  config = trial;
  return true;
}
