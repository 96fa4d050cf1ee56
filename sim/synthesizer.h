// The board's serial clock synthesizer: decodes the bit cells clocked in on
// two GPIO lines and tells which frequency a received word programs.
#ifndef QLC_SIM_SYNTHESIZER_H
#define QLC_SIM_SYNTHESIZER_H

#include <stdint.h>

enum { kSynthWordBits = 24, kSynthUnlockCells = 5, kSynthStartCells = 2 };

// Line levels last seen and the progress through one word.
struct SynthDecoder {
  bool clock;
  bool data;
  bool haveFirstHalf;  // the clock fell; the cell ends when it rises again
  bool firstHalf;
  int phase;  // see synthesizer.cpp
  int count;  // unlock or start cells seen, or data bits received
  uint32_t word;
};

void ResetSynthDecoder(SynthDecoder* decoder, bool clock, bool data);

// Feeds the line levels after a write to the GPIO register. A cell is the data
// level when the clock falls and when it rises again. True, with *word set,
// when the stop cell of a complete word has arrived.
bool FeedSynthLines(SynthDecoder* decoder, bool clock, bool data, uint32_t* word);

// The register number a word selects (bits 21 to 23).
int SynthWordRegister(uint32_t word);
// The frequency in kHz a word sets, 0 for a word outside the clock table.
uint32_t SynthWordFrequency(uint32_t word);

#endif
