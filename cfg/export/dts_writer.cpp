#include "cfg/export/dts_writer.h"

#include "cfg/export/panel_summary.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing_terms.h"

std::string DeviceTreeTimingText(const Configuration& config) {
  TimingTerms terms = TimingTermsOf(config);
  const TimingAxis& h = terms.horizontal;
  const TimingAxis& v = terms.vertical;
  std::string text;
  AppendFormat(text,
               "/*\n"
               " * %s\n"
               " * Frame rate %.2f Hz. Place this node in the panel's node.\n"
               " */\n",
               TrimmedPanelSummary(config).c_str(), FrameRateHz(terms));
  text += "panel-timing {\n";
  struct {
    const char* name;
    long long value;
  } const properties[] = {
      {"clock-frequency", static_cast<long long>(terms.pixelClockHz)},
      {"hactive", h.active},
      {"vactive", v.active},
      {"hfront-porch", h.frontPorch},
      {"hback-porch", h.backPorch},
      {"hsync-len", h.syncLength},
      {"vfront-porch", v.frontPorch},
      {"vback-porch", v.backPorch},
      {"vsync-len", v.syncLength},
      {"hsync-active", h.syncActive},
      {"vsync-active", v.syncActive},
      // The record holds no data-enable or clock-edge setting: the node
      // states the usual choice, data enable active high and the data
      // driven on the rising edge of the pixel clock.
      {"de-active", 1},
      {"pixelclk-active", 1},
  };
  for (const auto& property : properties)
    AppendFormat(text, "\t%s = <%lld>;\n", property.name, property.value);
  text += "};\n";
  return text;
}
