#include "cfg/panel/timing_terms.h"

#include <stdarg.h>
#include <stdio.h>

#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "common/text_format.h"
#include "common/text_read.h"

bool TimingAxis::operator==(const TimingAxis& other) const {
  return active == other.active && frontPorch == other.frontPorch &&
         syncLength == other.syncLength && backPorch == other.backPorch &&
         syncActive == other.syncActive;
}

bool TimingTerms::operator==(const TimingTerms& other) const {
  return horizontal == other.horizontal && vertical == other.vertical &&
         pixelClockHz == other.pixelClockHz;
}

namespace {

// The axis of a scan whose display period starts at displayStart and whose
// sync starts at syncStart, both positions within total.
TimingAxis AxisOf(int64_t total, int64_t active, int64_t displayStart, int64_t syncStart,
                  int64_t syncLength, bool syncHigh) {
  TimingAxis axis;
  axis.active = active;
  axis.syncLength = syncLength;
  axis.syncActive = syncHigh ? 1 : 0;
  if (total <= 0) return axis;
  int64_t gap = (syncStart - displayStart - active) % total;
  axis.frontPorch = gap < 0 ? gap + total : gap;
  axis.backPorch = total - active - axis.frontPorch - syncLength;
  return axis;
}

// How one direction's terms are named and limited.
struct AxisLimits {
  const char* prefix;  // "h" or "v"
  const char* unit;    // "pixels" or "lines"
  const char* syncName;
  int64_t minActive, maxActive, maxSync, maxTotal, totalStep;
  const char* activeField;  // what holds the active period
};

const AxisLimits kHorizontalLimits = {"h", "pixels", "FPLINE", 8, 1024, 128, 1024, 8, "the width"};
const AxisLimits kVerticalLimits = {"v", "lines", "FPFRAME", 1, 1024, 8, 1024, 1, "the height"};

bool Refuse(std::string* refusal, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

bool Refuse(std::string* refusal, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  *refusal = FormatTextList(format, arguments);
  va_end(arguments);
  return false;
}

// "hsync-len 200 is more than the 128 pixels FPLINE can be".
bool CheckRange(const std::string& term, int64_t value, int64_t low, int64_t high,
                const std::string& unit, const char* field, std::string* refusal) {
  if (value >= low && value <= high) return true;
  int64_t limit = value < low ? low : high;
  std::string units = limit == 1 ? unit.substr(0, unit.size() - 1) : unit;
  return Refuse(refusal, "%s %lld is %s than the %lld %s %s %s", term.c_str(),
                static_cast<long long>(value), value < low ? "less" : "more",
                static_cast<long long>(limit), units.c_str(), field,
                value < low ? "is at least" : "can be");
}

bool CheckAxis(const TimingAxis& axis, const AxisLimits& limits, int64_t activeStep,
               const char* typeName, std::string* refusal) {
  std::string h = limits.prefix;
  if (!CheckRange(h + "active", axis.active, limits.minActive, limits.maxActive, limits.unit,
                  limits.activeField, refusal))
    return false;
  if (axis.active % activeStep != 0)
    return Refuse(refusal, "%sactive %lld is not a multiple of the %lld %s %s of %s panel steps by",
                  limits.prefix, static_cast<long long>(axis.active),
                  static_cast<long long>(activeStep), limits.unit, limits.activeField, typeName);
  if (!CheckRange(h + "sync-len", axis.syncLength, 1, limits.maxSync, limits.unit, limits.syncName,
                  refusal))
    return false;
  if (axis.frontPorch < 0 || axis.backPorch < 0)
    return Refuse(refusal, "%s%s %lld is less than 0", limits.prefix,
                  axis.frontPorch < 0 ? "front-porch" : "back-porch",
                  static_cast<long long>(axis.frontPorch < 0 ? axis.frontPorch : axis.backPorch));
  int64_t total = axis.Total();
  const char* sum = *limits.prefix == 'h' ? "hactive + hfront-porch + hsync-len + hback-porch"
                                          : "vactive + vfront-porch + vsync-len + vback-porch";
  if (total > limits.maxTotal)
    return Refuse(refusal, "%stotal %lld (%s) is more than the %lld %s the %s total can be",
                  limits.prefix, static_cast<long long>(total), sum,
                  static_cast<long long>(limits.maxTotal), limits.unit,
                  *limits.prefix == 'h' ? "horizontal" : "vertical");
  if (total % limits.totalStep != 0)
    return Refuse(refusal,
                  "%stotal %lld (%s) is not a multiple of the %lld %s the horizontal total "
                  "steps by",
                  limits.prefix, static_cast<long long>(total), sum,
                  static_cast<long long>(limits.totalStep), limits.unit);
  return true;
}

// HR-TFT and K-VRX panels have two sizes, chosen by REG[10h] bit 3.
bool CheckFixedSize(const TimingTerms& terms, unsigned type, bool* large, std::string* refusal) {
  *large = false;
  if (type != kPanelHrTft && type != kPanelKVrx) return true;
  int64_t width = terms.horizontal.active, height = terms.vertical.active;
  int64_t smallHeight = type == kPanelHrTft ? 160 : 240;
  if (width == 320 && height == 240) {
    *large = true;
    return true;
  }
  if (width == 160 && height == smallHeight) return true;
  return Refuse(refusal, "hactive %lld and vactive %lld: %s %s panel is 160x%lld or 320x240",
                static_cast<long long>(width), static_cast<long long>(height),
                type == kPanelHrTft ? "an" : "a", PanelTypeName(type),
                static_cast<long long>(smallHeight));
}

}  // namespace

TimingTerms TimingTermsOf(const Configuration& config) {
  TimingTerms terms;
  terms.horizontal =
      AxisOf(GetHorizTotal(config), GetPanelWidth(config), GetHorizStart(config),
             GetFplineStart(config) - 1, GetFplineWidth(config), GetFplineHigh(config));
  // An STN panel's first-line marker counts as the lines before the back
  // porch (see the header).
  int64_t frameSyncStart = GetFpframeStart(config);
  if (GetPanelType(config) == kPanelStn && frameSyncStart == GetVertStart(config))
    frameSyncStart = -int64_t{GetFpframeWidth(config)};
  terms.vertical = AxisOf(GetVertTotal(config), GetPanelHeight(config), GetVertStart(config),
                          frameSyncStart, GetFpframeWidth(config), GetFpframeHigh(config));
  terms.pixelClockHz = uint64_t{GetPixelClock(config)} * 1000;
  return terms;
}

double LineFrequencyHz(const TimingTerms& terms) {
  int64_t total = terms.horizontal.Total();
  return total > 0 ? static_cast<double>(terms.pixelClockHz) / static_cast<double>(total) : 0;
}

double FrameRateHz(const TimingTerms& terms) {
  int64_t total = terms.vertical.Total();
  return total > 0 ? LineFrequencyHz(terms) / static_cast<double>(total) : 0;
}

std::string SyncOverlapNote(const TimingTerms& terms) {
  std::string note;
  struct {
    const TimingAxis& axis;
    const char* sync;
    const char* unit;
  } const axes[] = {{terms.horizontal, "FPLINE", "pixel"}, {terms.vertical, "FPFRAME", "line"}};
  for (const auto& a : axes) {
    if (a.axis.backPorch >= 0) continue;
    char text[128];
    long long overlap = static_cast<long long>(-a.axis.backPorch);
    snprintf(text, sizeof text, "%s runs %lld %s%s into the display period", a.sync, overlap,
             a.unit, overlap == 1 ? "" : "s");
    note += note.empty() ? text : std::string("; ") + text;
  }
  return note;
}

bool ChipSettingsFromTerms(const TimingTerms& terms, unsigned type, ChipTimingSettings* settings,
                           std::string* refusal) {
  const char* typeName = type == kPanelStn ? "an STN" : type == kPanelTft ? "a TFT" : "this";
  int64_t widthStep = type == kPanelStn ? 16 : 8;
  if (!CheckAxis(terms.horizontal, kHorizontalLimits, widthStep, typeName, refusal) ||
      !CheckAxis(terms.vertical, kVerticalLimits, 1, typeName, refusal))
    return false;
  if (terms.pixelClockHz == 0) return Refuse(refusal, "clock-frequency 0 is no pixel clock");
  ChipTimingSettings chip;
  if (!CheckFixedSize(terms, type, &chip.largeResolution, refusal)) return false;

  const TimingAxis& h = terms.horizontal;
  const TimingAxis& v = terms.vertical;
  chip.width = static_cast<uint32_t>(h.active);
  chip.height = static_cast<uint32_t>(v.active);
  chip.horizTotal = static_cast<uint32_t>(h.Total());
  chip.vertTotal = static_cast<uint32_t>(v.Total());
  chip.fplineWidth = static_cast<uint32_t>(h.syncLength);
  chip.fpframeWidth = static_cast<uint32_t>(v.syncLength);
  // The sync at the first position, the display after sync and back porch;
  // both fit their fields since the total is at most 1024.
  int64_t syncPosition = 0;
  int64_t horizStart = h.syncLength + h.backPorch;
  int64_t offset = HorizStartOffset(type);
  if (horizStart < offset) {
    syncPosition = offset - horizStart;
    horizStart = offset;
  }
  chip.horizStart = static_cast<uint32_t>(horizStart);
  chip.fplineStart = static_cast<uint32_t>(syncPosition + 1);
  if (type == kPanelStn) {
    // The first-line marker comes with the first display line.
    chip.vertStart = static_cast<uint32_t>(v.backPorch);
    chip.fpframeStart = chip.vertStart;
  } else {
    chip.vertStart = static_cast<uint32_t>(v.syncLength + v.backPorch);
    chip.fpframeStart = 0;
  }
  DefaultPolarities(type, &chip.fplineHigh, &chip.fpframeHigh);
  if (h.syncActive >= 0) chip.fplineHigh = h.syncActive == 1;
  if (v.syncActive >= 0) chip.fpframeHigh = v.syncActive == 1;
  *settings = chip;
  return true;
}

const char* PanelTypeName(unsigned type) {
  static const char* const kNames[4] = {"STN", "TFT", "HR-TFT", "K-VRX"};
  return kNames[type & 3];
}

bool FindPanelTypeName(const std::string& name, unsigned* type) {
  for (unsigned code = 0; code < 4; ++code) {
    std::string known = PanelTypeName(code);
    std::string undashed = known;
    size_t dash = undashed.find('-');
    if (dash != std::string::npos) undashed.erase(dash, 1);
    if (EqualsNoCase(name.c_str(), known.c_str()) || EqualsNoCase(name.c_str(), undashed.c_str())) {
      *type = code;
      return true;
    }
  }
  return false;
}
