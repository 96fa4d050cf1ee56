// The clock working values and the standard input frequencies. The Clocks
// page writes the working values, the timing model reads them to know whether
// the source of the pixel clock is fixed or free to be chosen.
#ifndef QLC_CFG_PANEL_CLOCKS_H
#define QLC_CFG_PANEL_CLOCKS_H

#include <stdint.h>

#include "cfg/record/configuration.h"

// Standard input frequencies in kHz, in the order the lists show them; the
// entry after the last one is 0.
enum { kInputClockCount = 24 };
extern const uint32_t InputClockTable[kInputClockCount + 1];

// Takes the three working values from the working record: FixedClkI and
// FixedClkI2 from ClkI / ClkI2 where fFIXED_CLKI / fFIXED_CLKI2 are set (else
// 0), FixedBusClk from BusClk. Run at start and after every open or import so
// that a newly opened file is not judged by the previous file's clocks.
void TakeClockWorkingValuesFromRecord(Configuration& config);

// Input clock of a BCLK / PWM source selection: CLKI gives ClkI, CLKI2 ClkI2.
uint32_t InputClockOf(const Configuration& config, bool fromClki2);

// The PCLK divide of REG[05h] bits 6:4: code + 1 for codes 0 to 3, 8 above.
uint32_t PixelDivideOfCode(unsigned code);
// The register code of a PCLK divide 1, 2, 3, 4 or 8.
unsigned PixelDivideCode(uint32_t divide);

#endif
