#include "cfg/panel/timing.h"

#include <stdio.h>

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/record/record.h"

unsigned GetRegisterPair(const Configuration& config, unsigned lowIndex) {
  return config.GetRegister(lowIndex) | ((config.GetRegister(lowIndex + 1) & 3) << 8);
}

void SetRegisterPair(Configuration& config, unsigned lowIndex, uint32_t value) {
  config.SetRegister(lowIndex, value & 0xFF);
  config.SetRegister(lowIndex + 1, (value >> 8) & 3);
}

unsigned GetPanelType(const Configuration& config) {
  return config.GetRegister(REG_PANEL_TYPE) & 3;
}

static void SetPanelTypeBits(Configuration& config, unsigned mask, unsigned bits) {
  config.SetRegister(REG_PANEL_TYPE, (config.GetRegister(REG_PANEL_TYPE) & ~mask) | (bits & mask));
}

void SetPanelType(Configuration& config, unsigned type) {
  SetPanelTypeBits(config, 3, type);
}

unsigned GetDataWidthCode(const Configuration& config) {
  return (config.GetRegister(REG_PANEL_TYPE) >> 4) & 3;
}
bool IsColorPanel(const Configuration& config) {
  return (config.GetRegister(REG_PANEL_TYPE) & 0x40) != 0;
}
bool IsFormat2(const Configuration& config) {
  return (config.GetRegister(REG_PANEL_TYPE) & 0x80) != 0;
}
bool IsLargeActiveResolution(const Configuration& config) {
  return (config.GetRegister(REG_PANEL_TYPE) & 0x08) != 0;
}

void SetDataWidthCode(Configuration& config, unsigned code) {
  SetPanelTypeBits(config, 0x30, code << 4);
}
void SetColorPanel(Configuration& config, bool color) {
  SetPanelTypeBits(config, 0x40, color ? 0x40 : 0);
}
void SetFormat2(Configuration& config, bool format2) {
  SetPanelTypeBits(config, 0x80, format2 ? 0x80 : 0);
}
void SetLargeActiveResolution(Configuration& config, bool large) {
  SetPanelTypeBits(config, 0x08, large ? 0x08 : 0);
}

unsigned DataWidthBitsOf(unsigned type, unsigned code) {
  static const unsigned kStnBits[4] = {4, 8, 16, 0};
  static const unsigned kTftBits[4] = {9, 12, 18, 0};
  return (type == kPanelStn ? kStnBits : kTftBits)[code & 3];
}

uint32_t GetPanelWidth(const Configuration& config) {
  return (config.GetRegister(REG_HDP) + 1) * 8;
}
uint32_t GetPanelHeight(const Configuration& config) {
  return GetRegisterPair(config, REG_VDP0) + 1;
}
uint32_t GetHorizTotal(const Configuration& config) {
  return ((config.GetRegister(REG_HORIZ_TOTAL) & 0x7F) + 1) * 8;
}
uint32_t GetVertTotal(const Configuration& config) {
  return GetRegisterPair(config, REG_VERT_TOTAL0) + 1;
}

uint32_t HorizStartOffset(unsigned type) {
  static const uint32_t kOffsets[4] = {22, 5, 0, 0};
  return kOffsets[type & 3];
}

uint32_t GetHorizStart(const Configuration& config) {
  return GetRegisterPair(config, REG_HDP_START_POS0) + HorizStartOffset(GetPanelType(config));
}
uint32_t GetVertStart(const Configuration& config) {
  return GetRegisterPair(config, REG_VDP_START_POS0);
}
uint32_t GetFplineStart(const Configuration& config) {
  return GetRegisterPair(config, REG_HSYNC_PULSE_START_POS0) + 1;
}
uint32_t GetFplineWidth(const Configuration& config) {
  return (config.GetRegister(REG_HSYNC_PULSE_WIDTH) & 0x7F) + 1;
}
bool GetFplineHigh(const Configuration& config) {
  return (config.GetRegister(REG_HSYNC_PULSE_WIDTH) & 0x80) != 0;
}
uint32_t GetFpframeStart(const Configuration& config) {
  return GetRegisterPair(config, REG_VSYNC_PULSE_START_POS0);
}
uint32_t GetFpframeWidth(const Configuration& config) {
  return (config.GetRegister(REG_VSYNC_PULSE_WIDTH) & 7) + 1;
}
bool GetFpframeHigh(const Configuration& config) {
  return (config.GetRegister(REG_VSYNC_PULSE_WIDTH) & 0x80) != 0;
}

uint32_t GetEffectivePanelWidth(const Configuration& config) {
  unsigned type = GetPanelType(config);
  if (type == kPanelStn || type == kPanelTft) return GetPanelWidth(config);
  return IsLargeActiveResolution(config) ? 320 : 160;
}

uint32_t GetEffectivePanelHeight(const Configuration& config) {
  unsigned type = GetPanelType(config);
  if (type == kPanelStn || type == kPanelTft) return GetPanelHeight(config);
  if (IsLargeActiveResolution(config)) return 240;
  return type == kPanelHrTft ? 160 : 240;
}

void SetPanelWidth(Configuration& config, uint32_t width) {
  config.SetRegister(REG_HDP, ((width >> 3) - 1) & 0x7F);
}
void SetPanelHeight(Configuration& config, uint32_t height) {
  SetRegisterPair(config, REG_VDP0, height - 1);
}
void SetHorizTotal(Configuration& config, uint32_t total) {
  config.SetRegister(REG_HORIZ_TOTAL, ((total >> 3) - 1) & 0x7F);
}
void SetVertTotal(Configuration& config, uint32_t total) {
  SetRegisterPair(config, REG_VERT_TOTAL0, total - 1);
}

void SetHorizStart(Configuration& config, uint32_t start) {
  SetRegisterPair(config, REG_HDP_START_POS0, start - HorizStartOffset(GetPanelType(config)));
}

void SetVertStart(Configuration& config, uint32_t start) {
  SetRegisterPair(config, REG_VDP_START_POS0, start);
}
void SetFplineStart(Configuration& config, uint32_t start) {
  SetRegisterPair(config, REG_HSYNC_PULSE_START_POS0, start - 1);
}

void SetFplineWidth(Configuration& config, uint32_t width) {
  config.SetRegister(REG_HSYNC_PULSE_WIDTH,
                     (config.GetRegister(REG_HSYNC_PULSE_WIDTH) & 0x80) | ((width - 1) & 0x7F));
}

void SetFplineHigh(Configuration& config, bool high) {
  config.SetRegister(REG_HSYNC_PULSE_WIDTH,
                     (config.GetRegister(REG_HSYNC_PULSE_WIDTH) & 0x7F) | (high ? 0x80 : 0));
}

void SetFpframeStart(Configuration& config, uint32_t start) {
  SetRegisterPair(config, REG_VSYNC_PULSE_START_POS0, start);
}

void SetFpframeWidth(Configuration& config, uint32_t width) {
  config.SetRegister(REG_VSYNC_PULSE_WIDTH,
                     (config.GetRegister(REG_VSYNC_PULSE_WIDTH) & ~7u) | ((width - 1) & 7));
}

void SetFpframeHigh(Configuration& config, bool high) {
  config.SetRegister(REG_VSYNC_PULSE_WIDTH,
                     (config.GetRegister(REG_VSYNC_PULSE_WIDTH) & 0x7F) | (high ? 0x80 : 0));
}

uint32_t GetMemoryDivide(const Configuration& config) {
  return ((config.GetRegister(REG_BUSCLK_MEMCLK_CONFIG) >> 4) & 3) + 1;
}
uint32_t GetPixelDivide(const Configuration& config) {
  return PixelDivideOfCode(config.GetRegister(REG_PCLK_CONFIG) >> 4);
}
unsigned GetPixelClockSourceCode(const Configuration& config) {
  return config.GetRegister(REG_PCLK_CONFIG) & 3;
}

uint32_t GetMemoryClock(const Configuration& config) {
  return config.WorkingRecord.BusClk / GetMemoryDivide(config);
}

// Frequency feeding the PCLK divider.
static uint32_t PixelSourceFrequency(const Configuration& config) {
  switch (GetPixelClockSourceCode(config)) {
    case 0:
      return GetMemoryClock(config);
    case 1:
      return config.WorkingRecord.BusClk;
    case 2:
      return config.WorkingRecord.ClkI;
    default:
      return config.WorkingRecord.ClkI2;
  }
}

uint32_t GetPixelClock(const Configuration& config) {
  return PixelSourceFrequency(config) / GetPixelDivide(config);
}

uint32_t GetMinHorizTotal(const Configuration& config) {
  uint32_t memoryClock = GetMemoryClock(config);
  uint64_t nonDisplay = memoryClock ? (8ull * GetPixelClock(config)) / memoryClock : 0;
  uint64_t total = GetPanelWidth(config) + nonDisplay;
  total = (total + 7) & ~7ull;
  return total > 0xFFFFFFF8ull ? 0xFFFFFFF8u : static_cast<uint32_t>(total);
}

// Frame rate for a pixel clock and both totals; products are taken in 64
// bits so that odd clock fields cannot wrap. The record's FrameRate holds 16
// bits: absurd timings count as its highest value everywhere (the list, the
// entry, the stored field), so that every rate offered can be stored.
static uint32_t FrameRateOf(uint32_t pixelClock, uint32_t horizTotal, uint32_t vertTotal) {
  uint64_t divisor = static_cast<uint64_t>(horizTotal) * vertTotal;
  if (divisor == 0) return 0;
  return static_cast<uint32_t>(
      std::min<uint64_t>(static_cast<uint64_t>(pixelClock) * 1000 / divisor, kMaxFrameRate));
}

uint32_t FrameRateAt(const Configuration& config, uint32_t horizTotal) {
  return FrameRateOf(GetPixelClock(config), horizTotal, GetVertTotal(config));
}

FrameRateList BuildFrameRateList(Configuration& config) {
  FrameRateList list;
  uint32_t minTotal = GetMinHorizTotal(config);
  uint32_t currentTotal = config.GetRegister(REG_HORIZ_TOTAL) * 8 + 8;
  uint32_t pixelClock = GetPixelClock(config);
  uint32_t vertTotal = GetVertTotal(config);
  for (uint32_t total = minTotal; total <= kMaxHorizTotal; total += 8) {
    uint32_t rate = FrameRateOf(pixelClock, total, vertTotal);
    if (total == currentTotal) {
      list.selected = static_cast<int>(list.texts.size());
      config.WorkingRecord.FrameRate = static_cast<uint16_t>(rate);
    }
    list.texts.push_back(std::to_string(rate));
  }
  return list;
}

void GetFrameRateRange(const Configuration& config, uint32_t* lowest, uint32_t* highest) {
  uint32_t pixelClock = GetPixelClock(config);
  uint32_t vertTotal = GetVertTotal(config);
  *lowest = FrameRateOf(pixelClock, kMaxHorizTotal, vertTotal);
  *highest = FrameRateOf(pixelClock, GetMinHorizTotal(config), vertTotal);
}

bool SetHorizTotalForFrameRate(Configuration& config, uint32_t rate, uint32_t* newTotal) {
  uint32_t pixelClock = GetPixelClock(config);
  uint32_t vertTotal = GetVertTotal(config);
  for (uint32_t total = GetMinHorizTotal(config); total <= kMaxHorizTotal; total += 8) {
    if (FrameRateOf(pixelClock, total, vertTotal) == rate) {
      config.SetRegister(REG_HORIZ_TOTAL, total / 8 - 1);
      if (newTotal) *newTotal = total;
      return true;
    }
  }
  return false;
}
