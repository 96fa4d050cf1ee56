#include "cfg/panel/pixel_clock.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

// Whether the input feeding the bus clock is fixed by the user.
static bool BusInputFixed() {
  bool fromClki2 = (GetRegister(kRegBusClkMemClkConfig) & 1) != 0;
  return fromClki2 ? FixedClkI2 != 0 : FixedClkI != 0;
}

PixelClockSource GetPixelClockSource() {
  PixelClockSource source = {0, 0};
  switch (GetPixelClockSourceCode()) {
    case 0: {
      uint32_t memoryDivide = GetMemoryDivide();
      source.current = WorkingRecord.BusClk / memoryDivide;
      source.fixed = BusInputFixed() ? FixedBusClk / memoryDivide : 0;
      break;
    }
    case 1:
      source.current = WorkingRecord.BusClk;
      source.fixed = BusInputFixed() ? FixedBusClk : 0;
      break;
    case 2:
      source.current = WorkingRecord.ClkI;
      source.fixed = FixedClkI;
      break;
    default:
      source.current = WorkingRecord.ClkI2;
      source.fixed = FixedClkI2;
      break;
  }
  return source;
}

std::string FormatPixelClockEntry(uint32_t source, uint32_t divide) {
  char text[64];
  uint32_t pixelClock = divide ? source / divide : 0;
  snprintf(text, sizeof text, "%2u.%03u   (%2u.%03u/%u)", pixelClock / 1000, pixelClock % 1000,
           source / 1000, source % 1000, divide);
  return text;
}

std::string FormatFrequency(uint32_t kHz) {
  char text[32];
  snprintf(text, sizeof text, "%2u.%03u", kHz / 1000, kHz % 1000);
  return text;
}

// The divides the list offers: only the current one while the user fixed it.
static std::vector<uint32_t> OfferedDivides() {
  if (WorkingRecord.Flags & fFIXED_DIVPCLK) return {GetPixelDivide()};
  return {1, 2, 3, 4, 8};
}

// Every (source, divide) the list is made of, in the order they are tried.
struct PixelClockCandidate {
  uint32_t source;
  uint32_t divide;
};

static std::vector<PixelClockCandidate> PixelClockCandidates(const PixelClockSource& source) {
  std::vector<PixelClockCandidate> candidates;
  std::vector<uint32_t> divides = OfferedDivides();
  if (source.fixed != 0) {
    for (uint32_t divide : divides) candidates.push_back({source.fixed, divide});
    return candidates;
  }
  for (int i = 0; i < kInputClockCount; ++i)
    for (uint32_t divide : divides) candidates.push_back({InputClockTable[i], divide});
  return candidates;
}

PixelClockList BuildPixelClockList() {
  PixelClockList list;
  PixelClockSource source = GetPixelClockSource();
  for (const PixelClockCandidate& c : PixelClockCandidates(source))
    list.texts.push_back(FormatPixelClockEntry(c.source, c.divide));
  uint32_t selectedSource = source.fixed != 0 ? source.fixed : source.current;
  std::string selectedText = FormatPixelClockEntry(selectedSource, GetPixelDivide());
  if (std::find(list.texts.begin(), list.texts.end(), selectedText) == list.texts.end())
    list.texts.push_back(selectedText);
  std::sort(list.texts.begin(), list.texts.end());
  list.selected = static_cast<int>(std::find(list.texts.begin(), list.texts.end(), selectedText) -
                                   list.texts.begin());
  return list;
}

bool FindPixelClockChoice(const char* text, uint32_t* source, uint32_t* divide) {
  for (const PixelClockCandidate& c : PixelClockCandidates(GetPixelClockSource())) {
    if (FormatPixelClockEntry(c.source, c.divide) == text) {
      *source = c.source;
      *divide = c.divide;
      return true;
    }
  }
  return false;
}

// The bus clock becomes busClock; the input feeding it follows.
static void SetBusClock(uint32_t busClock) {
  if (GetRegister(kRegBusClkMemClkConfig) & 1) {
    WorkingRecord.ClkI2 = busClock;
    WorkingRecord.BusClk = busClock;
    return;
  }
  // Keep the bus divide between CLKI and BCLK; a record whose bus clock is 0
  // or above CLKI has no usable divide and is taken as undivided.
  uint32_t busDivide = WorkingRecord.BusClk ? WorkingRecord.ClkI / WorkingRecord.BusClk : 1;
  if (busDivide == 0) busDivide = 1;
  WorkingRecord.BusClk = busClock;
  WorkingRecord.ClkI = busClock * busDivide;
}

void ApplyPixelClockChoice(uint32_t source, uint32_t divide) {
  switch (GetPixelClockSourceCode()) {
    case 0:
      SetBusClock(source * GetMemoryDivide());
      break;
    case 1:
      SetBusClock(source);
      break;
    case 2:
      WorkingRecord.ClkI = source;
      break;
    default:
      WorkingRecord.ClkI2 = source;
      break;
  }
  unsigned config = GetRegister(kRegPclkConfig) & ~0x70u;
  SetRegister(kRegPclkConfig, config | (PixelDivideCode(divide) << 4));
}
