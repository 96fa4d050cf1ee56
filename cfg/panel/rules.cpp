#include "cfg/panel/rules.h"

#include <algorithm>

#include "cfg/panel/display_layout.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/pixel_clock.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "common/message.h"
#include "common/text_read.h"

static const EntryResult kRefused = {kEntryRefused, false, 0};

static EntryResult Accepted(uint32_t value) {
  return {kEntryAccepted, false, value};
}

// Reads an entry as an unsigned decimal within [lowest, highest].
static bool ReadEntryInRange(const char* text, uint32_t lowest, uint32_t highest, uint32_t* value) {
  double fraction = 0;
  if (!ReadDialogNumber(text ? text : "", value, &fraction)) return false;
  return *value >= lowest && *value <= highest;
}

// The width and height rules; checkMemory warns when the display no longer
// fits (the leave step warns once after both).
static EntryResult TakeWidth(Configuration& config, const char* text, bool checkMemory) {
  uint32_t width = 0;
  if (!ReadEntryInRange(text, 8, kMaxPanelWidth, &width)) {
    ShowPanelError(kPanelWidthField, "ERROR: Panel width!");
    return kRefused;
  }
  uint32_t step = GetPanelType(config) == kPanelStn ? 16 : 8;
  bool rounded = false;
  if (width % step != 0) {
    int answer = ShowMessage(kMsgOkCancel | kMsgIconInfo,
                             "The panel width will be rounded up to the closest allowable value");
    if (answer != kAnswerOk) return kRefused;
    width = (width + step - 1) / step * step;
    rounded = true;
  }
  SetPanelWidth(config, width);
  // A rotated display starts and steps by the new size as well.
  UpdateMainWindowLayout(config);
  if (checkMemory) CheckVideoMemory(config);
  return {rounded ? kEntryCorrected : kEntryAccepted, rounded, width};
}

static EntryResult TakeHeight(Configuration& config, const char* text, bool checkMemory) {
  uint32_t height = 0;
  if (!ReadEntryInRange(text, 1, kMaxPanelHeight, &height)) {
    ShowPanelError(kPanelHeightField, "ERROR: Panel height!");
    return kRefused;
  }
  SetPanelHeight(config, height);
  UpdateMainWindowLayout(config);
  if (checkMemory) CheckVideoMemory(config);
  return Accepted(height);
}

EntryResult ApplyWidthEntry(Configuration& config, const char* text) {
  return TakeWidth(config, text, true);
}

EntryResult ApplyHeightEntry(Configuration& config, const char* text) {
  return TakeHeight(config, text, true);
}

EntryResult ApplyHorizTotalEntry(Configuration& config, const char* text) {
  uint32_t minTotal = GetMinHorizTotal(config);
  uint32_t total = 0;
  if (!ReadEntryInRange(text, minTotal, kMaxHorizTotal, &total)) {
    ShowPanelError(kPanelHorizTotalField, "ERROR: Panel Horizontal Total!");
    return {kEntryRefused, true, minTotal};
  }
  SetHorizTotal(config, total);
  return Accepted(total / 8 * 8);
}

// The rules of the remaining up-down entries differ only in bounds, message
// and the field they write.
struct SpinRule {
  uint32_t highest;
  int control;
  const char* refusal;
  void (*write)(Configuration&, uint32_t);
};

static EntryResult ApplySpinRule(Configuration& config, const char* text, uint32_t lowest,
                                 const SpinRule& rule) {
  uint32_t value = 0;
  if (!ReadEntryInRange(text, lowest, rule.highest, &value)) {
    ShowPanelError(rule.control, "%s", rule.refusal);
    return kRefused;
  }
  rule.write(config, value);
  return Accepted(value);
}

EntryResult ApplyVertTotalEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxVertTotal, kPanelVertTotalField,
                                 "ERROR: Panel Vertical Total!", SetVertTotal};
  return ApplySpinRule(config, text, 1, kRule);
}

EntryResult ApplyHorizStartEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxDisplayStart, kPanelHorizStartField,
                                 "ERROR: Panel Horizontal Start Position!", SetHorizStart};
  return ApplySpinRule(config, text, HorizStartOffset(GetPanelType(config)), kRule);
}

EntryResult ApplyVertStartEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxDisplayStart, kPanelVertStartField,
                                 "ERROR: Panel Vertical Start Position!", SetVertStart};
  return ApplySpinRule(config, text, 0, kRule);
}

EntryResult ApplyFplineWidthEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxFplineWidth, kPanelFplineWidthField,
                                 "ERROR: TFT FPLINE Width!", SetFplineWidth};
  return ApplySpinRule(config, text, 1, kRule);
}

EntryResult ApplyFplineStartEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxFplineStart, kPanelFplineStartField,
                                 "ERROR: TFT FPLINE Start!", SetFplineStart};
  return ApplySpinRule(config, text, 1, kRule);
}

EntryResult ApplyFpframeWidthEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxFpframeWidth, kPanelFpframeWidthField,
                                 "ERROR: TFT FPFRAME Width!", SetFpframeWidth};
  return ApplySpinRule(config, text, 1, kRule);
}

EntryResult ApplyFpframeStartEntry(Configuration& config, const char* text) {
  static const SpinRule kRule = {kMaxFpframeStart, kPanelFpframeStartField,
                                 "ERROR: TFT FPFRAME Start!", SetFpframeStart};
  return ApplySpinRule(config, text, 0, kRule);
}

EntryResult ApplyFrameRateEntry(Configuration& config, const char* text) {
  uint32_t lowest = 0, highest = 0, rate = 0;
  GetFrameRateRange(config, &lowest, &highest);
  if (!ReadEntryInRange(text, lowest, highest, &rate)) {
    ShowPanelError(kPanelFrameRateField, "ERROR: Panel Frame Rate!");
    return kRefused;
  }
  config.WorkingRecord.FrameRate = static_cast<uint16_t>(std::min<uint32_t>(rate, 0xFFFF));
  SetHorizTotalForFrameRate(config, rate);
  return Accepted(rate);
}

EntryResult ApplyPixelClockEntry(Configuration& config, const char* text) {
  uint32_t source = 0, divide = 0;
  if (!FindPixelClockChoice(config, text ? text : "", &source, &divide)) {
    ShowPanelError(kPanelPixelClockField, "ERROR: Panel Pixel Clock!");
    return kRefused;
  }
  ApplyPixelClockChoice(config, source, divide);
  return Accepted(divide ? source / divide : 0);
}

int ApplySpinEntries(Configuration& config, const SpinEntryTexts& texts,
                     uint32_t* horizTotalShown) {
  int refused = 0;
  EntryResult total = ApplyHorizTotalEntry(config, texts.horizTotal);
  if (!EntryTaken(total)) {
    ++refused;
    if (horizTotalShown) *horizTotalShown = total.value;
  }
  EntryResult (*const kRules[])(Configuration&, const char*) = {
      ApplyVertTotalEntry,   ApplyHorizStartEntry,   ApplyVertStartEntry,   ApplyFplineWidthEntry,
      ApplyFplineStartEntry, ApplyFpframeWidthEntry, ApplyFpframeStartEntry};
  const char* const kTexts[] = {texts.vertTotal,   texts.horizStart,  texts.vertStart,
                                texts.fplineWidth, texts.fplineStart, texts.fpframeWidth,
                                texts.fpframeStart};
  for (size_t i = 0; i < sizeof kRules / sizeof kRules[0]; ++i)
    if (!EntryTaken(kRules[i](config, kTexts[i]))) ++refused;
  return refused;
}

uint32_t HorizTotalShownValue(const Configuration& config) {
  uint32_t total = std::max(GetHorizTotal(config), GetMinHorizTotal(config));
  return std::min<uint32_t>(total, kMaxHorizTotal);
}

bool CheckPanelOnLeave(Configuration& config, const char* heightText, const char* widthText) {
  if (!EntryTaken(TakeHeight(config, heightText, false))) return false;
  if (!EntryTaken(TakeWidth(config, widthText, false))) return false;
  // Once for both: the same warning twice in a row tells the user nothing.
  CheckVideoMemory(config);
  if (GetHorizTotal(config) < GetMinHorizTotal(config))
    ShowPanelWarning(kPanelHorizTotalField, "WARNING: The Horizontal Total is too small!");
  if (GetVertTotal(config) <= GetPanelHeight(config))
    ShowPanelWarning(kPanelVertTotalField,
                     "WARNING: Vertical Total should be at least 1 line larger than Vertical "
                     "Display!");
  return true;
}

void CorrectHorizTotalOnShow(Configuration& config) {
  uint32_t minTotal = GetMinHorizTotal(config);
  // A total beyond the 7-bit field cannot be stored; 1024 is the most it holds.
  if (GetHorizTotal(config) < minTotal)
    SetHorizTotal(config, std::min<uint32_t>(minTotal, kMaxHorizTotal));
}

bool ApplyFormat2Rule(Configuration& config) {
  unsigned panelType = config.GetRegister(REG_PANEL_TYPE);
  if ((panelType & 0x73) == 0x50) return true;
  if (panelType & 0x80) config.SetRegister(REG_PANEL_TYPE, panelType & 0x7F);
  return false;
}

bool Apply16BitRule(Configuration& config) {
  if (GetPanelType(config) != kPanelStn || IsColorPanel(config)) return true;
  if (GetDataWidthCode(config) == 2)
    config.SetRegister(REG_PANEL_TYPE, (config.GetRegister(REG_PANEL_TYPE) & ~0x30u) | 0x10);
  return false;
}

uint32_t HorizStartForType(uint32_t shownStart, unsigned type) {
  uint32_t offset = HorizStartOffset(type);
  return std::min<uint32_t>(std::max(shownStart, offset), kMaxDisplayStart);
}

void DefaultPolarities(unsigned type, bool* fplineHigh, bool* fpframeHigh) {
  *fplineHigh = type != kPanelTft;
  *fpframeHigh = type == kPanelStn;
}

uint32_t SelectPanelType(Configuration& config, unsigned type, uint32_t shownHorizStart) {
  SetPanelType(config, type);
  UpdateGpioForPanelType(config);
  uint32_t start = HorizStartForType(shownHorizStart, type);
  SetHorizStart(config, start);
  return start;
}

void UpdateGpioForPanelType(Configuration& config) {
  unsigned type = GetPanelType(config);
  config.SetRegister(REG_GPIO_CONFIG1, (type == kPanelStn || type == kPanelTft) ? 0x80 : 0x00);
}

void SetKVrxGpioBits(Configuration& config) {
  if (GetPanelType(config) != kPanelKVrx) return;
  config.SetRegister(REG_GPIO_CONFIG0, config.GetRegister(REG_GPIO_CONFIG0) | 0x40);
  config.SetRegister(REG_GPIO_STATUS_CONTROL0, config.GetRegister(REG_GPIO_STATUS_CONTROL0) | 0x40);
}

uint32_t VideoMemoryNeeded(const Configuration& config) {
  uint32_t offsetWords = config.GetRegister(REG_MAIN_WIN_ADDR_OFFSET1) * 256 +
                         config.GetRegister(REG_MAIN_WIN_ADDR_OFFSET0);
  unsigned rotation = config.GetRegister(REG_SPECIAL_EFFECTS) & 3;
  uint32_t lines =
      (rotation == 1 || rotation == 3) ? GetPanelWidth(config) : GetPanelHeight(config);
  return offsetWords * 4 * lines;
}

bool CheckVideoMemory(const Configuration& config) {
  uint32_t needed = VideoMemoryNeeded(config);
  if (needed <= kVideoMemoryBytes) return true;
  ShowMessage(kMsgOk | kMsgIconError | kMsgTaskModal,
              "Warning: Not enough installed video memory for selected options. Memory needed: "
              "%uk, memory installed: %uk,",
              needed / 1024, kVideoMemoryBytes / 1024);
  return false;
}

const char kMemoryClockRuleWarning[] =
    "Warning: One of the following rules is violated:\n\n"
    " Rotara 0 & 180 degree:\n"
    "  16Bpp: freq(Mclk) >= freq(Pclk)\n"
    "  8Bpp:  freq(Mclk) >= freq(Pclk/2)\n"
    "  4Bpp:  freq(Mclk) >= freq(Pclk/4)\n"
    "  2Bpp:  freq(Mclk) >= freq(Pclk/8)\n"
    "  1Bpp:  freq(Mclk) >= freq(Pclk/16)\n"
    " Rotara 90 & 270 degree: freq(Mclk) >= freq(Pclk*1.25)\n\n"
    "Be sure to re-config MCLK & PCLK to get correct timing and Save again!!\n";

const char kDisplayPeriodRuleWarning[] =
    "Warning: One of the following rules is violated:\n\n"
    " Horizontal Display Period + Horizontal Display Start < Horizontal Total.\n"
    " Vertical Display Period + Vertical Display Start < Vertical Total.\n\n"
    "Be sure to re-config HorzDispStart and/or VertDispStart and Save again!!\n";

const char kNonDisplayPeriodRuleWarning[] =
    "Warning: the following rules is violated:\n\n"
    "Horizontal Total - Horizontal Display Period > 8Mclks.\n\n"
    "Be sure to increase Horzontal Total and Save again!!\n";

bool MemoryClockRuleHolds(const Configuration& config) {
  uint32_t memoryClock = GetMemoryClock(config);
  uint32_t pixelClock = GetPixelClock(config);
  unsigned rotation = config.GetRegister(REG_SPECIAL_EFFECTS) & 3;
  if (rotation == 1 || rotation == 3) return memoryClock >= 1.25 * pixelClock;
  // Codes above 16 bpp do not exist; they are held to the 16 bpp demand.
  unsigned depthCode = std::min(config.GetRegister(REG_DISPLAY_MODE) & 7, 4u);
  uint64_t needed = (static_cast<uint64_t>(pixelClock) << depthCode) / 16;
  return memoryClock >= needed;
}

// Whole register bytes, as the rule checks read them.
static int64_t RuleWidth(const Configuration& config) {
  return (static_cast<int64_t>(config.GetRegister(REG_HDP)) + 1) * 8;
}
static int64_t RuleHorizTotal(const Configuration& config) {
  return (static_cast<int64_t>(config.GetRegister(REG_HORIZ_TOTAL)) + 1) * 8;
}

bool DisplayPeriodRuleHolds(const Configuration& config) {
  int64_t horizStart =
      config.GetRegister(REG_HDP_START_POS1) * 256 + config.GetRegister(REG_HDP_START_POS0);
  int64_t vertStart =
      config.GetRegister(REG_VDP_START_POS1) * 256 + config.GetRegister(REG_VDP_START_POS0);
  bool horizontal = horizStart + RuleWidth(config) < RuleHorizTotal(config);
  bool vertical = vertStart + GetPanelHeight(config) < static_cast<int64_t>(GetVertTotal(config));
  return horizontal && vertical;
}

bool NonDisplayPeriodRuleHolds(const Configuration& config) {
  uint32_t memoryClock = GetMemoryClock(config);
  // Without a memory clock no non-display period is long enough.
  if (memoryClock == 0) return false;
  int64_t needed = (8ll * GetPixelClock(config)) / memoryClock;
  return RuleHorizTotal(config) - RuleWidth(config) >= needed;
}

int WarnAboutTimingRules(const Configuration& config) {
  struct Rule {
    bool (*holds)(const Configuration&);
    const char* warning;
  };
  static const Rule kRules[] = {
      {MemoryClockRuleHolds, kMemoryClockRuleWarning},
      {DisplayPeriodRuleHolds, kDisplayPeriodRuleWarning},
      {NonDisplayPeriodRuleHolds, kNonDisplayPeriodRuleWarning},
  };
  int failed = 0;
  for (const Rule& rule : kRules) {
    if (rule.holds(config)) continue;
    // OK and Cancel, yet either answer goes on: every failed rule is shown.
    ShowMessage(kMsgOkCancel | kMsgIconInfo, "%s", rule.warning);
    ++failed;
  }
  return failed;
}
