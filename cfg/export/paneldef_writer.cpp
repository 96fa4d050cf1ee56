#include "cfg/export/paneldef_writer.h"

#include "cfg/export/text_format.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/paneldef.h"
#include "cfg/panel/timing.h"
#include "cfg/panel/timing_terms.h"
#include "common/message.h"

namespace {

// "Color TFT 320x240 18-bit": the name a panel of the file gets.
std::string PanelName(const Configuration& config) {
  unsigned type = GetPanelType(config);
  std::string name;
  AppendFormat(name, "%s %s %ux%u %d-bit", IsColorPanel(config) ? "Color" : "Mono",
               PanelTypeName(type), GetPanelWidth(config), GetPanelHeight(config),
               DataWidthBits(type, GetDataWidthCode(config)));
  return name;
}

// The fields of the PANEL line as the reader takes them back: the settings
// as the matching sees them, with what it leaves open stated (F for the
// flags, the non-display periods), the width and height fields themselves
// and the polarities of STN panels too.
PanelRecord ExportedPanel(const Configuration& config) {
  PanelRecord panel = CurrentPanelRecord(config);
  panel.SetName(PanelName(config));
  panel.SetWidth(static_cast<int32_t>(GetPanelWidth(config)));
  panel.SetHeight(static_cast<int32_t>(GetPanelHeight(config)));
  panel.SetEl(0);
  panel.SetDouble(0);
  panel.SetDual(0);
  panel.SetMask(0);
  panel.SetFplinePolarity(GetFplineHigh(config) ? 1 : 0);
  panel.SetFpframePolarity(GetFpframeHigh(config) ? 1 : 0);
  panel.SetHorizNonDisplay(panel.HorizTotal() - panel.Width());
  panel.SetVertNonDisplay(panel.VertTotal() - panel.Height());
  return panel;
}

char Flag(int32_t value) {
  return value == 1 ? 'T' : 'F';
}

char Polarity(int32_t value) {
  return value == 1 ? 'H' : 'L';
}

}  // namespace

std::string PanelDefinitionText(const Configuration& config) {
  PanelRecord p = ExportedPanel(config);
  std::string text =
      "# A panel of the QLC56420 configuration; append the PANEL line to PANELS.DEF.\n"
      "#     name  TYPE W H EL DW 2x DF COLOR DUAL PCLK HTOTAL HSTART VTOTAL VSTART\n"
      "#     FPLINE (start width polarity) FPFRAME (start width polarity) MASK HNDP VNDP\n";
  AppendFormat(
      text, "PANEL \"%s\" %s %d %d %c %d %c %d %c %c %d %d %d %d %d %d %d %c %d %d %c %c %d %d\n",
      p.Name().c_str(), PanelTypeName(static_cast<unsigned>(p.Type() - 1)), p.Width(), p.Height(),
      Flag(p.El()), p.DataWidth(), Flag(p.Double()), p.DataFormat() + 1, Flag(p.Color()),
      Flag(p.Dual()), p.PixelClock(), p.HorizTotal(), p.HorizStart(), p.VertTotal(), p.VertStart(),
      p.FplineStart(), p.FplineWidth(), Polarity(p.FplinePolarity()), p.FpframeStart(),
      p.FpframeWidth(), Polarity(p.FpframePolarity()), Flag(p.Mask()), p.HorizNonDisplay(),
      p.VertNonDisplay());
  return text;
}

bool WarnAboutDisqualifiedPanel(const Configuration& config) {
  std::string reason;
  if (QualifyPanel(ExportedPanel(config), &reason))
    ShowMessage(kMsgOk | kMsgIconWarning,
                "WARNING: PANELS.DEF leaves this panel out (%s); DEBUG.DEF lists it, marked.",
                reason.c_str());
  return true;
}
