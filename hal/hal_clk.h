// Input clocks: the synthesizer tables, the serial synthesizer protocol and
// the memory clock check.
#ifndef QLC_HAL_HAL_CLK_H
#define QLC_HAL_HAL_CLK_H

#include <stdint.h>

#include "common/clock_tables.h"

enum { kSynthClkI = 0, kSynthClkI2 = 3 };

// The row for kHz, or null.
const ClockRow* hxFindClock(const ClockRow* table, uint32_t kHz);
// word with bits 21..23 replaced by the synthesizer register number.
uint32_t hxSynthWord(uint32_t word, unsigned synthRegister);

// Sends a 24-bit word on GPIO5 (clock) / GPIO6 (data) of REG[ACh], then sets
// the final line state: selection 0, 1, 2 or 7; other selections leave
// REG[ACh] as it is and return 1.
int hxWriteSynth(uint32_t word, unsigned selection);
// Programs CLKI and CLKI2 from the record: 0, 8 (CLKI not in the table) or
// 9 (CLKI2 not in the table).
int hxProgramClocks();
// The memory clock and the pixel clock (kHz) the record's clocks and
// REG[04h]/REG[05h] give, as hxCheckClocks compares them.
void hxModeClocks(uint32_t* memoryClock, uint32_t* pixelClock);
// Whether the memory clock can feed the pixel clock at depth d in rotation
// r: 0, or 12 when it is too slow.
int hxCheckClocks(unsigned d, unsigned r);

#endif
