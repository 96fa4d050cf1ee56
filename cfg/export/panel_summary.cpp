#include "cfg/export/panel_summary.h"

#include "cfg/export/display_values.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

namespace {

struct PanelTypeSummary {
  const char* text;
  // Fixed sizes of the active-resolution bit (REG[10h] bit 3) clear and set;
  // 0 takes the size from the timing registers.
  uint32_t width[2];
  uint32_t height[2];
};

const PanelTypeSummary kPanelTypes[4] = {
    {"Single STN", {0, 0}, {0, 0}},
    {"TFT", {0, 0}, {0, 0}},
    {"HR-TFT", {160, 320}, {160, 240}},
    {"K-VRX", {160, 320}, {240, 240}},
};

}  // namespace

std::string PanelSummary(const Configuration& config) {
  // REG[10h] is read once, so a record without it is reported once.
  unsigned panelType = config.GetRegister(REG_PANEL_TYPE);
  const PanelTypeSummary& type = kPanelTypes[panelType & 3];
  unsigned large = (panelType >> 3) & 1;
  uint32_t width = type.width[large] ? type.width[large] : GetPanelWidth(config);
  uint32_t height = type.height[large] ? type.height[large] : GetPanelHeight(config);
  unsigned widthCode = (panelType >> 4) & 3;
  // Width codes 2 and 3 both mean the widest interface.
  unsigned dataBits = DataWidthBitsOf(panelType & 3, widthCode > 2 ? 2 : widthCode);
  unsigned depth = GetColourDepthBits(config);
  uint32_t pixelClock = GetPixelClock(config);

  std::string line;
  AppendFormat(line, "Panel: %dx%dx%dbpp %dHz %s %s %d-bit (PCLK=%u.%03uMHz) %s",
               static_cast<int>(width), static_cast<int>(height), static_cast<int>(depth),
               static_cast<int>(config.WorkingRecord.FrameRate),
               (panelType & 0x40) ? "Color" : "Mono", type.text, static_cast<int>(dataBits),
               (pixelClock / 1000) & 0xFFFFu, (pixelClock % 1000) & 0xFFFFu,
               (panelType & 0x80) ? "(Format 2)" : "");
  return line;
}

std::string TrimmedPanelSummary(const Configuration& config) {
  std::string line = PanelSummary(config);
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}
