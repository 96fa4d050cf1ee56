#include "settings.h"

#include <ctype.h>
#include <stdint.h>

#include "../../common/message.h"
#include "../../common/text_read.h"
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
      {"FrameRate", ApplyFrameRateEntry, false},
      {"PixelClock", ApplyPixelClockEntry, true},
  };
  if (!name || !value) return kSettingUnknown;
  for (const EntrySetting& entry : kEntries)
    if (SameNameNoCase(name, entry.name)) return Then(entry.rule(value), entry.rebuildFrameRates);
  if (SameNameNoCase(name, "Rotation")) return ApplyRotation(value);
  if (SameNameNoCase(name, "Bpp")) return ApplyBpp(value);
  return kSettingUnknown;
}
