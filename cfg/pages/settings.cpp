#include "cfg/pages/settings.h"

#include <stdint.h>

#include <string>

#include "cfg/pages/panel/panel_view.h"
#include "cfg/pages/preference/preference.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_terms.h"
#include "common/message.h"
#include "common/text_read.h"

const char* const kPanelSettingNames[] = {
    "Width",          "Height",          "HorizTotal",       "VertTotal",    "HorizStart",
    "VertStart",      "FplineStart",     "FplineWidth",      "FpframeStart", "FpframeWidth",
    "FrameRate",      "PixelClock",      "Rotation",         "Bpp",          "PanelType",
    "FplinePolarity", "FpframePolarity", "ActiveResolution", nullptr};

// After a change of a dimension, total or clock the page rebuilds its
// frame-rate list, which stores the frame rate of the current total.
static SettingResult Then(Configuration& config, const EntryResult& result,
                          bool rebuildFrameRates) {
  if (!EntryTaken(result)) return kSettingRefused;
  if (rebuildFrameRates) BuildFrameRateList(config);
  return kSettingAccepted;
}

// The frame rates of the totals minHT to 1024 around a wanted rate.
struct FrameRateNeighbours {
  bool exists = false;
  bool haveBelow = false, haveAbove = false;
  uint32_t below = 0, above = 0;
};

static FrameRateNeighbours FindFrameRate(const Configuration& config, uint32_t rate) {
  FrameRateNeighbours found;
  for (uint32_t total = GetMinHorizTotal(config); total <= kMaxHorizTotal; total += 8) {
    uint32_t existing = FrameRateAt(config, total);
    if (existing == rate) found.exists = true;
    if (existing < rate && (!found.haveBelow || existing > found.below)) {
      found.below = existing;
      found.haveBelow = true;
    }
    if (existing > rate && (!found.haveAbove || existing < found.above)) {
      found.above = existing;
      found.haveAbove = true;
    }
  }
  return found;
}

// The second line of a refused frame rate.
static std::string NearestFrameRatesLine(const FrameRateNeighbours& n) {
  if (n.haveBelow && n.haveAbove)
    return "The nearest frame rates are " + std::to_string(n.below) + " and " +
           std::to_string(n.above) + " Hz.";
  if (n.haveBelow || n.haveAbove)
    return "The nearest frame rate is " + std::to_string(n.haveBelow ? n.below : n.above) + " Hz.";
  return "No horizontal total gives a frame rate with these settings.";
}

// The page lists only the rates some total gives; another rate would be
// stored as FrameRate while the panel runs at the old one.
static EntryResult ApplyExistingFrameRate(Configuration& config, const char* value) {
  uint32_t rate = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &rate, &fraction)) {
    FrameRateNeighbours neighbours = FindFrameRate(config, rate);
    if (!neighbours.exists) {
      ShowPanelError(kPanelFrameRateField, "ERROR: Panel Frame Rate!\n%s",
                     NearestFrameRatesLine(neighbours).c_str());
      return {kEntryRefused, false, 0};
    }
  }
  return ApplyFrameRateEntry(config, value);
}

static SettingResult ApplyRotation(Configuration& config, const char* value) {
  static const uint32_t kDegrees[] = {0, 90, 180, 270};
  uint32_t degrees = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &degrees, &fraction)) {
    for (unsigned code = 0; code < 4; ++code) {
      if (kDegrees[code] == degrees) {
        SetRotation(config, code);
        return kSettingAccepted;
      }
    }
  }
  ShowMessage(kMsgOk | kMsgIconError, "ERROR: Rotation must be 0, 90, 180 or 270!");
  return kSettingRefused;
}

static SettingResult ApplyBpp(Configuration& config, const char* value) {
  uint32_t bpp = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &bpp, &fraction)) {
    for (unsigned code = 0; code <= kMaxColorDepthCode; ++code) {
      if ((1u << code) == bpp) {
        SetColorDepth(config, code);
        return kSettingAccepted;
      }
    }
  }
  ShowMessage(kMsgOk | kMsgIconError, "ERROR: Bpp must be 1, 2, 4, 8 or 16!");
  return kSettingRefused;
}

// A type button: the type, its GPIO bits and the horizontal start moved into
// its range; the polarity buttons then show the type's defaults, which the
// registers take when the page is left.
static SettingResult ApplyPanelType(Configuration& config, const char* value) {
  unsigned type = 0;
  if (!FindPanelTypeName(value, &type)) {
    ShowMessage(kMsgOk | kMsgIconError,
                "ERROR: PanelType must be STN, TFT, HR-TFT or K-VRX!");
    return kSettingRefused;
  }
  SelectPanelType(config, type, GetHorizStart(config));
  bool fplineHigh = false, fpframeHigh = false;
  DefaultPolarities(type, &fplineHigh, &fpframeHigh);
  SetFplineHigh(config, fplineHigh);
  SetFpframeHigh(config, fpframeHigh);
  ApplyFormat2Rule(config);
  Apply16BitRule(config);
  return kSettingAccepted;
}

// The "(lo)" and "(hi)" buttons of a polarity row.
static SettingResult ApplyPolarity(Configuration& config, const char* name, const char* value,
                                   void (*set)(Configuration&, bool)) {
  for (const char* word : {"high", "hi", "1", "low", "lo", "0"}) {
    if (EqualsNoCase(value, word)) {
      set(config, word[0] != 'l' && word[0] != '0');
      return kSettingAccepted;
    }
  }
  ShowMessage(kMsgOk | kMsgIconError, "ERROR: %s must be high or low!", name);
  return kSettingRefused;
}

// The two resolution buttons of HR-TFT and K-VRX panels (REG[10h] bit 3).
static SettingResult ApplyActiveResolution(Configuration& config, const char* value) {
  unsigned type = GetPanelType(config);
  const char* small = type == kPanelHrTft ? "160x160" : "160x240";
  bool fixedSizes = type == kPanelHrTft || type == kPanelKVrx;
  if (fixedSizes && (EqualsNoCase(value, small) || EqualsNoCase(value, "320x240"))) {
    SetLargeActiveResolution(config, EqualsNoCase(value, "320x240"));
    return kSettingAccepted;
  }
  if (fixedSizes)
    ShowMessage(kMsgOk | kMsgIconError,
                "ERROR: ActiveResolution must be %s or 320x240 for %s panels!", small,
                PanelTypeName(type));
  else
    ShowMessage(kMsgOk | kMsgIconError,
                "ERROR: ActiveResolution applies to HR-TFT and K-VRX panels only!");
  return kSettingRefused;
}

SettingResult ApplyPanelSetting(Configuration& config, const char* name, const char* value) {
  struct EntrySetting {
    const char* name;
    EntryResult (*rule)(Configuration&, const char*);
    PanelField field;
  };
  static const EntrySetting kEntries[] = {
      {"Width", ApplyWidthEntry, kPanelWidthField},
      {"Height", ApplyHeightEntry, kPanelHeightField},
      {"HorizTotal", ApplyHorizTotalEntry, kPanelHorizTotalField},
      {"VertTotal", ApplyVertTotalEntry, kPanelVertTotalField},
      {"HorizStart", ApplyHorizStartEntry, kPanelHorizStartField},
      {"VertStart", ApplyVertStartEntry, kPanelVertStartField},
      {"FplineStart", ApplyFplineStartEntry, kPanelFplineStartField},
      {"FplineWidth", ApplyFplineWidthEntry, kPanelFplineWidthField},
      {"FpframeStart", ApplyFpframeStartEntry, kPanelFpframeStartField},
      {"FpframeWidth", ApplyFpframeWidthEntry, kPanelFpframeWidthField},
      {"FrameRate", ApplyExistingFrameRate, kPanelFrameRateField},
      {"PixelClock", ApplyPixelClockEntry, kPanelPixelClockField},
  };
  if (!name || !value) return kSettingUnknown;
  for (const EntrySetting& entry : kEntries)
    if (EqualsNoCase(name, entry.name))
      return Then(config, entry.rule(config, value), RebuildsFrameRates(entry.field));
  if (EqualsNoCase(name, "Rotation")) return ApplyRotation(config, value);
  if (EqualsNoCase(name, "Bpp")) return ApplyBpp(config, value);
  if (EqualsNoCase(name, "PanelType")) return ApplyPanelType(config, value);
  if (EqualsNoCase(name, "FplinePolarity"))
    return ApplyPolarity(config, "FplinePolarity", value, SetFplineHigh);
  if (EqualsNoCase(name, "FpframePolarity"))
    return ApplyPolarity(config, "FpframePolarity", value, SetFpframeHigh);
  if (EqualsNoCase(name, "ActiveResolution")) return ApplyActiveResolution(config, value);
  return kSettingUnknown;
}

SettingPage PageOfSetting(const char* name) {
  if (!name) return kNoSettingPage;
  if (EqualsNoCase(name, "Rotation") || EqualsNoCase(name, "Bpp")) return kPreferencePageSetting;
  for (const char* const* setting = kPanelSettingNames; *setting; ++setting)
    if (EqualsNoCase(name, *setting)) return kPanelPageSetting;
  return kNoSettingPage;
}
