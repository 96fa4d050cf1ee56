// The pixel clock: where PCLK comes from, the list of pixel clocks the
// current clock settings can give, and applying a choice.
#ifndef QLC_CFG_PANEL_PIXEL_CLOCK_H
#define QLC_CFG_PANEL_PIXEL_CLOCK_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"

struct PixelClockSource {
  uint32_t current;  // Scur
  uint32_t fixed;    // Sfix, 0 while the source is free
};
PixelClockSource GetPixelClockSource(const Configuration& config);

// ' 6.250   (50.000/8)': pixel clock and source in MHz with three decimals.
std::string FormatPixelClockEntry(uint32_t source, uint32_t divide);
// '%2d.%03d' of a frequency in kHz, e.g. ' 6.250'.
std::string FormatFrequency(uint32_t kHz);

struct PixelClockList {
  std::vector<std::string> texts;  // sorted ascending, unique
  int selected = -1;
};
PixelClockList BuildPixelClockList(const Configuration& config);

// Source frequency and divide of a list text; false when the text is not one
// of the candidates (an added current entry that is no table frequency).
bool FindPixelClockChoice(const Configuration& config, const char* text, uint32_t* source,
                          uint32_t* divide);
// Writes the clock fields and REG[05h] bits 6:4 for a choice.
void ApplyPixelClockChoice(Configuration& config, uint32_t source, uint32_t divide);

#endif
