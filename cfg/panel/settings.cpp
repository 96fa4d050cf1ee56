#include "settings.h"

#include <ctype.h>
#include <stdint.h>

#include <string>

#include "../../common/message.h"
#include "../../common/text_read.h"
#include "panel_messages.h"
#include "preference.h"
#include "rules.h"
#include "timing.h"

const char* const kPanelSettingNames[] = {
    "Width",     "Height",      "HorizTotal",  "VertTotal",    "HorizStart",
    "VertStart", "FplineStart", "FplineWidth", "FpframeStart", "FpframeWidth",
    "FrameRate", "PixelClock",  "Rotation",    "Bpp",          nullptr};

static bool SameNameNoCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b)
    if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

// After a change of a dimension, total or clock the page rebuilds its
// frame-rate list, which stores the frame rate of the current total.
static SettingResult Then(const EntryResult& result, bool rebuildFrameRates) {
  if (!EntryTaken(result)) return kSettingRefused;
  if (rebuildFrameRates) BuildFrameRateList();
  return kSettingAccepted;
}

// The second line of a refused frame rate: the nearest rates that exist
// below and above it.
static std::string NearestFrameRatesLine(uint32_t rate) {
  bool haveBelow = false, haveAbove = false;
  uint32_t below = 0, above = 0;
  for (uint32_t total = GetMinHorizTotal(); total <= kMaxHorizTotal; total += 8) {
    uint32_t existing = FrameRateAt(total);
    if (existing < rate && (!haveBelow || existing > below)) {
      below = existing;
      haveBelow = true;
    }
    if (existing > rate && (!haveAbove || existing < above)) {
      above = existing;
      haveAbove = true;
    }
  }
  if (haveBelow && haveAbove)
    return "The nearest frame rates are " + std::to_string(below) + " and " +
           std::to_string(above) + " Hz.";
  if (haveBelow || haveAbove)
    return "The nearest frame rate is " + std::to_string(haveBelow ? below : above) + " Hz.";
  return "No horizontal total gives a frame rate with these settings.";
}

static bool FrameRateExists(uint32_t rate) {
  for (uint32_t total = GetMinHorizTotal(); total <= kMaxHorizTotal; total += 8)
    if (FrameRateAt(total) == rate) return true;
  return false;
}

static EntryResult ApplyExistingFrameRate(const char* value) {
  uint32_t rate = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &rate, &fraction) && !FrameRateExists(rate)) {
    ShowPanelError(kCtlFrameRateList, "ERROR: Panel Frame Rate!\n%s",
                   NearestFrameRatesLine(rate).c_str());
    return {kEntryRefused, false, 0};
  }
  return ApplyFrameRateEntry(value);
}

static SettingResult ApplyRotation(const char* value) {
  static const uint32_t kDegrees[] = {0, 90, 180, 270};
  uint32_t degrees = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &degrees, &fraction)) {
    for (unsigned code = 0; code < 4; ++code) {
      if (kDegrees[code] == degrees) {
        SetRotation(code);
        return kSettingAccepted;
      }
    }
  }
  ShowMessage(nullptr, kMsgOk | kMsgIconError, "ERROR: Rotation must be 0, 90, 180 or 270!");
  return kSettingRefused;
}

static SettingResult ApplyBpp(const char* value) {
  uint32_t bpp = 0;
  double fraction = 0;
  if (ReadDialogNumber(value, &bpp, &fraction)) {
    for (unsigned code = 0; code <= kMaxColorDepthCode; ++code) {
      if ((1u << code) == bpp) {
        SetColorDepth(code);
        return kSettingAccepted;
      }
    }
  }
  ShowMessage(nullptr, kMsgOk | kMsgIconError, "ERROR: Bpp must be 1, 2, 4, 8 or 16!");
  return kSettingRefused;
}

SettingResult ApplyPanelSetting(const char* name, const char* value) {
  struct EntrySetting {
    const char* name;
    EntryResult (*rule)(const char*);
    bool rebuildFrameRates;
  };
  static const EntrySetting kEntries[] = {
      {"Width", ApplyWidthEntry, true},
      {"Height", ApplyHeightEntry, true},
      {"HorizTotal", ApplyHorizTotalEntry, true},
      {"VertTotal", ApplyVertTotalEntry, true},
      {"HorizStart", ApplyHorizStartEntry, false},
      {"VertStart", ApplyVertStartEntry, false},
      {"FplineStart", ApplyFplineStartEntry, false},
      {"FplineWidth", ApplyFplineWidthEntry, false},
      {"FpframeStart", ApplyFpframeStartEntry, false},
      {"FpframeWidth", ApplyFpframeWidthEntry, false},
      {"FrameRate", ApplyExistingFrameRate, false},
      {"PixelClock", ApplyPixelClockEntry, true},
  };
  if (!name || !value) return kSettingUnknown;
  for (const EntrySetting& entry : kEntries)
    if (SameNameNoCase(name, entry.name)) return Then(entry.rule(value), entry.rebuildFrameRates);
  if (SameNameNoCase(name, "Rotation")) return ApplyRotation(value);
  if (SameNameNoCase(name, "Bpp")) return ApplyBpp(value);
  return kSettingUnknown;
}

SettingPage PageOfSetting(const char* name) {
  if (!name) return kNoSettingPage;
  if (SameNameNoCase(name, "Rotation") || SameNameNoCase(name, "Bpp"))
    return kPreferencePageSetting;
  for (const char* const* setting = kPanelSettingNames; *setting; ++setting)
    if (SameNameNoCase(name, *setting)) return kPanelPageSetting;
  return kNoSettingPage;
}
