#include "cfg/panel/timing.h"

#include <stdio.h>

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/record/record.h"

unsigned GetRegisterPair(unsigned lowIndex) {
  return GetRegister(lowIndex) | ((GetRegister(lowIndex + 1) & 3) << 8);
}

void SetRegisterPair(unsigned lowIndex, uint32_t value) {
  SetRegister(lowIndex, value & 0xFF);
  SetRegister(lowIndex + 1, (value >> 8) & 3);
}

unsigned GetPanelType() {
  return GetRegister(kRegPanelType) & 3;
}

static void SetPanelTypeBits(unsigned mask, unsigned bits) {
  SetRegister(kRegPanelType, (GetRegister(kRegPanelType) & ~mask) | (bits & mask));
}

void SetPanelType(unsigned type) {
  SetPanelTypeBits(3, type);
}

unsigned GetDataWidthCode() {
  return (GetRegister(kRegPanelType) >> 4) & 3;
}
bool IsColorPanel() {
  return (GetRegister(kRegPanelType) & 0x40) != 0;
}
bool IsFormat2() {
  return (GetRegister(kRegPanelType) & 0x80) != 0;
}
bool IsLargeActiveResolution() {
  return (GetRegister(kRegPanelType) & 0x08) != 0;
}

void SetDataWidthCode(unsigned code) {
  SetPanelTypeBits(0x30, code << 4);
}
void SetColorPanel(bool color) {
  SetPanelTypeBits(0x40, color ? 0x40 : 0);
}
void SetFormat2(bool format2) {
  SetPanelTypeBits(0x80, format2 ? 0x80 : 0);
}
void SetLargeActiveResolution(bool large) {
  SetPanelTypeBits(0x08, large ? 0x08 : 0);
}

unsigned DataWidthBitsOf(unsigned type, unsigned code) {
  static const unsigned kStnBits[4] = {4, 8, 16, 0};
  static const unsigned kTftBits[4] = {9, 12, 18, 0};
  return (type == kPanelStn ? kStnBits : kTftBits)[code & 3];
}

uint32_t GetPanelWidth() {
  return (GetRegister(kRegHdp) + 1) * 8;
}
uint32_t GetPanelHeight() {
  return GetRegisterPair(kRegVdp0) + 1;
}
uint32_t GetHorizTotal() {
  return ((GetRegister(kRegHorizTotal) & 0x7F) + 1) * 8;
}
uint32_t GetVertTotal() {
  return GetRegisterPair(kRegVertTotal0) + 1;
}

uint32_t HorizStartOffset(unsigned type) {
  static const uint32_t kOffsets[4] = {22, 5, 0, 0};
  return kOffsets[type & 3];
}

uint32_t GetHorizStart() {
  return GetRegisterPair(kRegHdpStartPos0) + HorizStartOffset(GetPanelType());
}
uint32_t GetVertStart() {
  return GetRegisterPair(kRegVdpStartPos0);
}
uint32_t GetFplineStart() {
  return GetRegisterPair(kRegHsyncPulseStartPos0) + 1;
}
uint32_t GetFplineWidth() {
  return (GetRegister(kRegHsyncPulseWidth) & 0x7F) + 1;
}
bool GetFplineHigh() {
  return (GetRegister(kRegHsyncPulseWidth) & 0x80) != 0;
}
uint32_t GetFpframeStart() {
  return GetRegisterPair(kRegVsyncPulseStartPos0);
}
uint32_t GetFpframeWidth() {
  return (GetRegister(kRegVsyncPulseWidth) & 7) + 1;
}
bool GetFpframeHigh() {
  return (GetRegister(kRegVsyncPulseWidth) & 0x80) != 0;
}

uint32_t GetEffectivePanelWidth() {
  unsigned type = GetPanelType();
  if (type == kPanelStn || type == kPanelTft) return GetPanelWidth();
  return IsLargeActiveResolution() ? 320 : 160;
}

uint32_t GetEffectivePanelHeight() {
  unsigned type = GetPanelType();
  if (type == kPanelStn || type == kPanelTft) return GetPanelHeight();
  if (IsLargeActiveResolution()) return 240;
  return type == kPanelHrTft ? 160 : 240;
}

void SetPanelWidth(uint32_t width) {
  SetRegister(kRegHdp, ((width >> 3) - 1) & 0x7F);
}
void SetPanelHeight(uint32_t height) {
  SetRegisterPair(kRegVdp0, height - 1);
}
void SetHorizTotal(uint32_t total) {
  SetRegister(kRegHorizTotal, ((total >> 3) - 1) & 0x7F);
}
void SetVertTotal(uint32_t total) {
  SetRegisterPair(kRegVertTotal0, total - 1);
}

void SetHorizStart(uint32_t start) {
  SetRegisterPair(kRegHdpStartPos0, start - HorizStartOffset(GetPanelType()));
}

void SetVertStart(uint32_t start) {
  SetRegisterPair(kRegVdpStartPos0, start);
}
void SetFplineStart(uint32_t start) {
  SetRegisterPair(kRegHsyncPulseStartPos0, start - 1);
}

void SetFplineWidth(uint32_t width) {
  SetRegister(kRegHsyncPulseWidth,
              (GetRegister(kRegHsyncPulseWidth) & 0x80) | ((width - 1) & 0x7F));
}

void SetFplineHigh(bool high) {
  SetRegister(kRegHsyncPulseWidth, (GetRegister(kRegHsyncPulseWidth) & 0x7F) | (high ? 0x80 : 0));
}

void SetFpframeStart(uint32_t start) {
  SetRegisterPair(kRegVsyncPulseStartPos0, start);
}

void SetFpframeWidth(uint32_t width) {
  SetRegister(kRegVsyncPulseWidth, (GetRegister(kRegVsyncPulseWidth) & ~7u) | ((width - 1) & 7));
}

void SetFpframeHigh(bool high) {
  SetRegister(kRegVsyncPulseWidth, (GetRegister(kRegVsyncPulseWidth) & 0x7F) | (high ? 0x80 : 0));
}

uint32_t GetMemoryDivide() {
  return ((GetRegister(kRegBusClkMemClkConfig) >> 4) & 3) + 1;
}
uint32_t GetPixelDivide() {
  return PixelDivideOfCode(GetRegister(kRegPclkConfig) >> 4);
}
unsigned GetPixelClockSourceCode() {
  return GetRegister(kRegPclkConfig) & 3;
}

uint32_t GetMemoryClock() {
  return WorkingRecord.BusClk / GetMemoryDivide();
}

// Frequency feeding the PCLK divider.
static uint32_t PixelSourceFrequency() {
  switch (GetPixelClockSourceCode()) {
    case 0:
      return GetMemoryClock();
    case 1:
      return WorkingRecord.BusClk;
    case 2:
      return WorkingRecord.ClkI;
    default:
      return WorkingRecord.ClkI2;
  }
}

uint32_t GetPixelClock() {
  return PixelSourceFrequency() / GetPixelDivide();
}

uint32_t GetMinHorizTotal() {
  uint32_t memoryClock = GetMemoryClock();
  uint64_t nonDisplay = memoryClock ? (8ull * GetPixelClock()) / memoryClock : 0;
  uint64_t total = GetPanelWidth() + nonDisplay;
  total = (total + 7) & ~7ull;
  return total > 0xFFFFFFF8ull ? 0xFFFFFFF8u : static_cast<uint32_t>(total);
}

// Frame rate for a pixel clock and both totals; products are taken in 64
// bits so that odd clock fields cannot wrap.
static uint32_t FrameRateOf(uint32_t pixelClock, uint32_t horizTotal, uint32_t vertTotal) {
  uint64_t divisor = static_cast<uint64_t>(horizTotal) * vertTotal;
  if (divisor == 0) return 0;
  return static_cast<uint32_t>(static_cast<uint64_t>(pixelClock) * 1000 / divisor);
}

uint32_t FrameRateAt(uint32_t horizTotal) {
  return FrameRateOf(GetPixelClock(), horizTotal, GetVertTotal());
}

FrameRateList BuildFrameRateList() {
  FrameRateList list;
  uint32_t minTotal = GetMinHorizTotal();
  uint32_t currentTotal = GetRegister(kRegHorizTotal) * 8 + 8;
  uint32_t pixelClock = GetPixelClock();
  uint32_t vertTotal = GetVertTotal();
  for (uint32_t total = minTotal; total <= kMaxHorizTotal; total += 8) {
    uint32_t rate = FrameRateOf(pixelClock, total, vertTotal);
    if (total == currentTotal) {
      list.selected = static_cast<int>(list.texts.size());
      // The field holds 16 bits; absurd timings are stored as its highest value.
      WorkingRecord.FrameRate = static_cast<uint16_t>(std::min<uint32_t>(rate, 0xFFFF));
    }
    list.texts.push_back(std::to_string(rate));
  }
  return list;
}

void GetFrameRateRange(uint32_t* lowest, uint32_t* highest) {
  uint32_t pixelClock = GetPixelClock();
  uint32_t vertTotal = GetVertTotal();
  *lowest = FrameRateOf(pixelClock, kMaxHorizTotal, vertTotal);
  *highest = FrameRateOf(pixelClock, GetMinHorizTotal(), vertTotal);
}

bool SetHorizTotalForFrameRate(uint32_t rate, uint32_t* newTotal) {
  uint32_t pixelClock = GetPixelClock();
  uint32_t vertTotal = GetVertTotal();
  for (uint32_t total = GetMinHorizTotal(); total <= kMaxHorizTotal; total += 8) {
    if (FrameRateOf(pixelClock, total, vertTotal) == rate) {
      SetRegister(kRegHorizTotal, total / 8 - 1);
      if (newTotal) *newTotal = total;
      return true;
    }
  }
  return false;
}
