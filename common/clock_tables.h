// The input clocks the board's synthesizer can make, with the 24-bit word
// that programs each of them, one table for CLKI and one for CLKI2.
#ifndef QLC_COMMON_CLOCK_TABLES_H
#define QLC_COMMON_CLOCK_TABLES_H

#include <stdint.h>

struct ClockRow {
  char label[8];
  uint32_t kHz;
  uint32_t word;  // 24-bit synthesizer word
};

enum { kClockRowCount = 24 };

extern const ClockRow kClkITable[kClockRowCount];
extern const ClockRow kClkI2Table[kClockRowCount];

#endif
