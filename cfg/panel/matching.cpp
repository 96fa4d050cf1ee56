#include "cfg/panel/matching.h"

#include <ctype.h>
#include <stdint.h>
#include <stdio.h>

#include "cfg/panel/rules.h"
#include "cfg/record/record.h"

void MarkPanelSettingsChanged(Configuration& config) {
  config.PanelMatching.rematchPending = config.PanelMatching.matchingEnabled;
}

static bool KnownPanelType(int32_t type) {
  return type >= kPanelRecordStn && type <= kPanelRecordKVrx;
}

// The fields written into registers, with the values their registers hold.
static std::string OutOfRangeReasons(const PanelRecord& r) {
  struct FieldRange {
    const char* label;
    int32_t value;
    int64_t lowest;
    int64_t highest;
  };
  unsigned type = static_cast<unsigned>(r.Type() - 1) & 3;
  const FieldRange kRanges[] = {
      {"W", r.Width(), 1, kMaxPanelWidth},
      {"H", r.Height(), 1, kMaxPanelHeight},
      {"HTOTAL", r.HorizTotal(), 8, kMaxHorizTotal},
      {"HSTART", r.HorizStart(), HorizStartOffset(type), kMaxDisplayStart},
      {"VTOTAL", r.VertTotal(), 1, kMaxVertTotal},
      {"VSTART", r.VertStart(), 0, kMaxDisplayStart},
      {"FPLINE start", r.FplineStart(), 1, kMaxFplineStart},
      {"FPLINE width", r.FplineWidth(), 1, kMaxFplineWidth},
      {"FPFRAME start", r.FpframeStart(), 0, kMaxFpframeStart},
      {"FPFRAME width", r.FpframeWidth(), 1, kMaxFpframeWidth},
      {"PCLK", r.PixelClock(), 0, INT32_MAX},
  };
  std::string reasons;
  for (const FieldRange& field : kRanges)
    if (field.value < field.lowest || field.value > field.highest)
      reasons += std::string(" ") + field.label + " out of range;";
  return reasons;
}

// Whether every field of the panel can be written into its register.
bool PanelFitsRegisters(const PanelRecord& record) {
  return KnownPanelType(record.Type()) && OutOfRangeReasons(record).empty();
}

bool QualifyPanel(const PanelRecord& record, std::string* reason) {
  std::string text = "**Disqualified:";
  if (record.PixelClock() == 0) {
    *reason = text + " No info on this panel in DEBUG.DEF.";
    return true;
  }
  size_t emptyLength = text.size();
  if (static_cast<int64_t>(record.Width()) * record.Height() / 8 > kVideoMemoryBytes)
    text += " >80K;";
  if (record.El() == 1) text += " EL;";
  if (record.Double() == 1) text += " TFT 2x;";
  if (record.Dual() == 1) text += " Dual;";
  // A type the file does not name cannot be written into REG[10h]; nor can
  // fields beyond their registers be written (said when nothing else is).
  if (!KnownPanelType(record.Type())) text += " Unknown panel type;";
  if (text.size() == emptyLength) text += OutOfRangeReasons(record);
  if (text.size() == emptyLength) return false;
  text.back() = '.';
  *reason = text;
  return true;
}

int DataWidthBits(unsigned type, unsigned code) {
  static const int kTftBits[4] = {9, 12, 18, 0};
  static const int kOtherBits[4] = {4, 8, 16, 0};
  return (type == kPanelTft ? kTftBits : kOtherBits)[code & 3];
}

unsigned DataWidthCode(int bits) {
  if (bits == 4 || bits == 9) return 0;
  if (bits == 8 || bits == 12) return 1;
  return 2;
}

PanelRecord CurrentPanelRecord(const Configuration& config) {
  PanelRecord current;
  unsigned type = GetPanelType(config);
  current.SetType(static_cast<int32_t>(type) + 1);
  current.SetWidth(static_cast<int32_t>(GetEffectivePanelWidth(config)));
  current.SetHeight(static_cast<int32_t>(GetEffectivePanelHeight(config)));
  current.SetEl(kFieldNotApplicable);
  current.SetDouble(kFieldNotApplicable);
  current.SetDual(kFieldNotApplicable);
  current.SetMask(kFieldNotApplicable);
  current.SetHorizNonDisplay(kFieldNotApplicable);
  current.SetVertNonDisplay(kFieldNotApplicable);
  current.SetDataWidth(DataWidthBits(type, GetDataWidthCode(config)));
  current.SetDataFormat(IsFormat2(config) ? 1 : 0);
  current.SetColor(IsColorPanel(config) ? 1 : 0);
  current.SetPixelClock(static_cast<int32_t>(GetPixelClock(config)));
  current.SetHorizTotal(static_cast<int32_t>(GetHorizTotal(config)));
  current.SetHorizStart(static_cast<int32_t>(GetHorizStart(config)));
  current.SetVertTotal(static_cast<int32_t>(GetVertTotal(config)));
  current.SetVertStart(static_cast<int32_t>(GetVertStart(config)));
  current.SetFplineStart(static_cast<int32_t>(GetFplineStart(config)));
  current.SetFplineWidth(static_cast<int32_t>(GetFplineWidth(config)));
  bool stn = type == kPanelStn;
  current.SetFplinePolarity(!stn && GetFplineHigh(config) ? 1 : 0);
  current.SetFpframeStart(static_cast<int32_t>(GetFpframeStart(config)));
  current.SetFpframeWidth(static_cast<int32_t>(GetFpframeWidth(config)));
  current.SetFpframePolarity(!stn && GetFpframeHigh(config) ? 1 : 0);
  return current;
}

// A field that either side leaves open (negative) always passes.
static bool WildEqual(int32_t a, int32_t b) {
  return a == b || a < 0 || b < 0;
}

bool MatchesPanel(const PanelRecord& c, const PanelRecord& s) {
  if (c.Type() != s.Type() || c.Width() != s.Width() || c.Height() != s.Height()) return false;
  if (!WildEqual(c.El(), s.El())) return false;
  if (c.DataWidth() != s.DataWidth()) return false;
  if (!WildEqual(c.DataFormat(), s.DataFormat()) || !WildEqual(c.Color(), s.Color()) ||
      !WildEqual(c.Dual(), s.Dual()))
    return false;
  if (c.PixelClock() != s.PixelClock()) return false;
  if (!WildEqual(c.HorizTotal(), s.HorizTotal()) || !WildEqual(c.VertTotal(), s.VertTotal()) ||
      !WildEqual(c.FplinePolarity(), s.FplinePolarity()) ||
      !WildEqual(c.FpframePolarity(), s.FpframePolarity()) || !WildEqual(c.Mask(), s.Mask()) ||
      !WildEqual(c.HorizNonDisplay(), s.HorizNonDisplay()) ||
      !WildEqual(c.VertNonDisplay(), s.VertNonDisplay()))
    return false;
  if (c.Type() > kPanelRecordStn) {
    if (!WildEqual(c.Double(), s.Double())) return false;
    bool startMatches = c.FplineStart() == s.FplineStart() ||
                        c.FplineStart() == s.FplineStart() - s.Width() - s.HorizStart();
    if (!startMatches || c.FplineWidth() != s.FplineWidth() ||
        c.FpframeStart() != s.FpframeStart() || c.FpframeWidth() != s.FpframeWidth())
      return false;
  }
  return c.HorizStart() == s.HorizStart() && c.VertStart() == s.VertStart();
}

// Writes the record's timings into the registers. The record's fields are
// within their registers' ranges (PanelFitsRegisters).
void WritePanelRegisters(Configuration& config, const PanelRecord& c) {
  unsigned type = static_cast<unsigned>(c.Type() - 1) & 3;
  auto field = [](int64_t value, uint32_t mask) { return static_cast<uint32_t>(value) & mask; };
  SetRegisterPair(config, REG_VDP0, field(int64_t{c.Height()} - 1, 0x3FF));
  config.SetRegister(REG_HDP, field((int64_t{c.Width()} + 7) / 8 - 1, 0x7F));
  unsigned large =
      (c.Type() == kPanelRecordHrTft || c.Type() == kPanelRecordKVrx) && c.Width() == 320;
  unsigned format2 = c.DataFormat() < 0 ? 0 : static_cast<unsigned>(c.DataFormat()) & 1;
  unsigned color = c.Color() < 0 ? 0 : static_cast<unsigned>(c.Color()) & 1;
  config.SetRegister(REG_PANEL_TYPE, format2 << 7 | color << 6 | DataWidthCode(c.DataWidth()) << 4 |
                                         large << 3 | type);
  config.SetRegister(REG_HORIZ_TOTAL, field(int64_t{c.HorizTotal()} / 8 - 1, 0x7F));
  SetRegisterPair(config, REG_HDP_START_POS0,
                  field(int64_t{c.HorizStart()} - HorizStartOffset(type), 0x3FF));
  SetRegisterPair(config, REG_VERT_TOTAL0, field(int64_t{c.VertTotal()} - 1, 0x3FF));
  SetRegisterPair(config, REG_VDP_START_POS0, field(c.VertStart(), 0x3FF));
  unsigned linePolarity = c.FplinePolarity() == 1 ? 0x80 : 0;
  config.SetRegister(REG_HSYNC_PULSE_WIDTH,
                     linePolarity | field(int64_t{c.FplineWidth()} - 1, 0x7F));
  SetRegisterPair(config, REG_HSYNC_PULSE_START_POS0, field(int64_t{c.FplineStart()} - 1, 0x3FF));
  unsigned framePolarity = c.FpframePolarity() == 1 ? 0x80 : 0;
  config.SetRegister(REG_VSYNC_PULSE_WIDTH,
                     framePolarity | field(int64_t{c.FpframeWidth()} - 1, 7));
  SetRegisterPair(config, REG_VSYNC_PULSE_START_POS0, field(c.FpframeStart(), 0x3FF));
  UpdateGpioForPanelType(config);
}
