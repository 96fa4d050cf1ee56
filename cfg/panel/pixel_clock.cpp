#include "cfg/panel/pixel_clock.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"

// Whether the input feeding the bus clock is fixed by the user.
static bool BusInputFixed(const Configuration& config) {
  bool fromClki2 = (config.GetRegister(REG_BUSCLK_MEMCLK_CONFIG) & 1) != 0;
  return fromClki2 ? config.FixedClkI2 != 0 : config.FixedClkI != 0;
}

PixelClockSource GetPixelClockSource(const Configuration& config) {
  PixelClockSource source = {0, 0};
  switch (GetPixelClockSourceCode(config)) {
    case 0: {
      uint32_t memoryDivide = GetMemoryDivide(config);
      source.current = config.WorkingRecord.BusClk / memoryDivide;
      source.fixed = BusInputFixed(config) ? config.FixedBusClk / memoryDivide : 0;
      break;
    }
    case 1:
      source.current = config.WorkingRecord.BusClk;
      source.fixed = BusInputFixed(config) ? config.FixedBusClk : 0;
      break;
    case 2:
      source.current = config.WorkingRecord.ClkI;
      source.fixed = config.FixedClkI;
      break;
    default:
      source.current = config.WorkingRecord.ClkI2;
      source.fixed = config.FixedClkI2;
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
static std::vector<uint32_t> OfferedDivides(const Configuration& config) {
  if (config.WorkingRecord.Flags & fFIXED_DIVPCLK) return {GetPixelDivide(config)};
  return {1, 2, 3, 4, 8};
}

// Every (source, divide) the list is made of, in the order they are tried.
struct PixelClockCandidate {
  uint32_t source;
  uint32_t divide;
};

static std::vector<PixelClockCandidate> PixelClockCandidates(const Configuration& config,
                                                             const PixelClockSource& source) {
  std::vector<PixelClockCandidate> candidates;
  std::vector<uint32_t> divides = OfferedDivides(config);
  if (source.fixed != 0) {
    for (uint32_t divide : divides) candidates.push_back({source.fixed, divide});
    return candidates;
  }
  for (int i = 0; i < kInputClockCount; ++i)
    for (uint32_t divide : divides) candidates.push_back({InputClockTable[i], divide});
  return candidates;
}

PixelClockList BuildPixelClockList(const Configuration& config) {
  PixelClockList list;
  PixelClockSource source = GetPixelClockSource(config);
  for (const PixelClockCandidate& c : PixelClockCandidates(config, source))
    list.texts.push_back(FormatPixelClockEntry(c.source, c.divide));
  uint32_t selectedSource = source.fixed != 0 ? source.fixed : source.current;
  std::string selectedText = FormatPixelClockEntry(selectedSource, GetPixelDivide(config));
  if (std::find(list.texts.begin(), list.texts.end(), selectedText) == list.texts.end())
    list.texts.push_back(selectedText);
  std::sort(list.texts.begin(), list.texts.end());
  list.selected = static_cast<int>(std::find(list.texts.begin(), list.texts.end(), selectedText) -
                                   list.texts.begin());
  return list;
}

bool FindPixelClockChoice(const Configuration& config, const char* text, uint32_t* source,
                          uint32_t* divide) {
  for (const PixelClockCandidate& c : PixelClockCandidates(config, GetPixelClockSource(config))) {
    if (FormatPixelClockEntry(c.source, c.divide) == text) {
      *source = c.source;
      *divide = c.divide;
      return true;
    }
  }
  return false;
}

// The bus clock becomes busClock; the input feeding it follows.
static void SetBusClock(Configuration& config, uint32_t busClock) {
  if (config.GetRegister(REG_BUSCLK_MEMCLK_CONFIG) & 1) {
    config.WorkingRecord.ClkI2 = busClock;
    config.WorkingRecord.BusClk = busClock;
    return;
  }
  // Keep the bus divide between CLKI and BCLK; a record whose bus clock is 0
  // or above CLKI has no usable divide and is taken as undivided.
  uint32_t busDivide =
      config.WorkingRecord.BusClk ? config.WorkingRecord.ClkI / config.WorkingRecord.BusClk : 1;
  if (busDivide == 0) busDivide = 1;
  config.WorkingRecord.BusClk = busClock;
  config.WorkingRecord.ClkI = busClock * busDivide;
}

void ApplyPixelClockChoice(Configuration& config, uint32_t source, uint32_t divide) {
  switch (GetPixelClockSourceCode(config)) {
    case 0:
      SetBusClock(config, source * GetMemoryDivide(config));
      break;
    case 1:
      SetBusClock(config, source);
      break;
    case 2:
      config.WorkingRecord.ClkI = source;
      break;
    default:
      config.WorkingRecord.ClkI2 = source;
      break;
  }
  unsigned clockConfig = config.GetRegister(REG_PCLK_CONFIG) & ~0x70u;
  config.SetRegister(REG_PCLK_CONFIG, clockConfig | (PixelDivideCode(divide) << 4));
}
