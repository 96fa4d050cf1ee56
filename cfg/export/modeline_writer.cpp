#include "cfg/export/modeline_writer.h"

#include "cfg/export/panel_summary.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing_terms.h"

namespace {

// Display, sync start, sync end and total of one direction.
void AppendAxis(std::string& text, const TimingAxis& axis) {
  long long syncStart = axis.active + axis.frontPorch;
  AppendFormat(text, "  %lld %lld %lld %lld", static_cast<long long>(axis.active), syncStart,
               syncStart + axis.syncLength, static_cast<long long>(axis.Total()));
}

}  // namespace

std::string ModelineText(const Configuration& config) {
  TimingTerms terms = TimingTermsOf(config);
  unsigned long long kHz = terms.pixelClockHz / 1000;
  double rate = FrameRateHz(terms);
  std::string text;
  AppendFormat(text, "# %lldx%lld %.2f Hz; hsync: %.2f kHz; pclk: %llu.%03llu MHz\n",
               static_cast<long long>(terms.horizontal.active),
               static_cast<long long>(terms.vertical.active), rate, LineFrequencyHz(terms) / 1000.0,
               kHz / 1000, kHz % 1000);
  AppendFormat(text, "# %s\n", TrimmedPanelSummary(config).c_str());
  AppendFormat(text, "Modeline \"%lldx%lld_%.2f\"  %llu.%03llu",
               static_cast<long long>(terms.horizontal.active),
               static_cast<long long>(terms.vertical.active), rate, kHz / 1000, kHz % 1000);
  AppendAxis(text, terms.horizontal);
  AppendAxis(text, terms.vertical);
  AppendFormat(text, "  %chsync %cvsync\n", terms.horizontal.syncActive == 1 ? '+' : '-',
               terms.vertical.syncActive == 1 ? '+' : '-');
  return text;
}
