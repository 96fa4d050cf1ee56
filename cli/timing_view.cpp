#include "cli/timing_view.h"

#include <vector>

#include "cfg/export/display_values.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/display_layout.h"
#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_terms.h"
#include "cli/record_view.h"

namespace {

// One printed value: its JSON name and value, and its line of text output.
struct TimingValue {
  std::string name;
  std::string json;   // the JSON value as written
  std::string text;   // the value with its unit
  std::string label;  // the text output's name; "" when the line before says it
};

std::string Number(long long value) {
  return std::to_string(value);
}

std::string Fixed(double value, int decimals) {
  std::string text;
  AppendFormat(text, "%.*f", decimals, value);
  return text;
}

std::string Units(long long value, const char* one, const char* many) {
  return Number(value) + " " + (value == 1 ? one : many);
}

void AddAxis(std::vector<TimingValue>& values, const TimingAxis& axis, const std::string& prefix,
             const char* one, const char* many) {
  struct {
    const char* name;
    long long value;
  } const parts[] = {{"active", axis.active},
                     {"front-porch", axis.frontPorch},
                     {"sync-len", axis.syncLength},
                     {"back-porch", axis.backPorch},
                     {"total", axis.Total()}};
  for (const auto& part : parts)
    values.push_back(
        {prefix + part.name, Number(part.value), Units(part.value, one, many), prefix + part.name});
  values.push_back({prefix + "sync-active", Number(axis.syncActive),
                    axis.syncActive == 1 ? "high" : "low", prefix + "sync-active"});
}

std::vector<TimingValue> TimingValues(const Configuration& config) {
  TimingTerms terms = TimingTermsOf(config);
  std::vector<TimingValue> values;
  AddAxis(values, terms.horizontal, "h", "pixel", "pixels");
  AddAxis(values, terms.vertical, "v", "line", "lines");
  uint64_t kHz = terms.pixelClockHz / 1000;
  double lineFrequency = LineFrequencyHz(terms), frameRate = FrameRateHz(terms);
  unsigned type = GetPanelType(config);
  unsigned bits =
      DataWidthBitsOf(type, GetDataWidthCode(config) > 2 ? 2 : GetDataWidthCode(config));
  std::string clock;
  AppendFormat(clock, "%llu.%03llu MHz", static_cast<unsigned long long>(kHz / 1000),
               static_cast<unsigned long long>(kHz % 1000));
  values.push_back({"clock-frequency", Number(static_cast<long long>(terms.pixelClockHz)), clock,
                    "pixel clock"});
  values.push_back({"line-frequency-hz", Fixed(lineFrequency, 3),
                    Fixed(lineFrequency / 1000, 3) + " kHz", "line frequency"});
  values.push_back(
      {"frame-rate-hz", Fixed(frameRate, 2), Fixed(frameRate, 2) + " Hz", "frame rate"});
  values.push_back({"type", JsonQuote(PanelTypeName(type)), PanelTypeName(type), "type"});
  values.push_back({"data-width", Number(bits), Number(bits) + " bits", "data width"});
  values.push_back({"color", IsColorPanel(config) ? "true" : "false",
                    IsColorPanel(config) ? "colour" : "mono", "colour"});
  long long degrees = GetRotation(config) * 90;
  values.push_back({"rotation", Number(degrees), Number(degrees) + " degrees", "rotation"});
  long long depth = GetColourDepthBits(config);
  values.push_back({"bpp", Number(depth), Number(depth) + " bits per pixel", "depth"});
  long long needed = VideoMemoryNeeded(config);
  values.push_back({"video-memory-needed", Number(needed),
                    Number(needed) + " bytes needed, " + Number(kVideoMemoryBytes) + " installed",
                    "video memory"});
  values.push_back({"video-memory-installed", Number(kVideoMemoryBytes), "", ""});
  return values;
}

}  // namespace

std::string FormatTimingText(const Configuration& config) {
  std::string text;
  for (const TimingValue& value : TimingValues(config)) {
    if (!value.label.empty())
      AppendFormat(text, "%-16s %s\n", value.label.c_str(), value.text.c_str());
  }
  std::string overlap = SyncOverlapNote(TimingTermsOf(config));
  if (!overlap.empty()) AppendFormat(text, "%-16s %s\n", "note", overlap.c_str());
  return text;
}

std::string FormatTimingJson(const Configuration& config) {
  std::string json = "{";
  const char* separator = "\n";
  for (const TimingValue& value : TimingValues(config)) {
    AppendFormat(json, "%s  \"%s\": %s", separator, value.name.c_str(), value.json.c_str());
    separator = ",\n";
  }
  return json + "\n}\n";
}
