#include "sim/synthesizer.h"

#include "common/clock_tables.h"

namespace {

// Where the decoder stands in the frame of one word: unlock cells (1,1),
// start cells (0,0), 24 data cells (0,1) for 1 and (1,0) for 0, least
// significant bit first, then a stop cell (1,1).
enum Phase { kUnlock, kStart, kData, kStop };

const uint32_t kSynthSettingMask = 0x1FFFFF;

void RestartFrame(SynthDecoder* decoder, bool first, bool second) {
  decoder->phase = kUnlock;
  decoder->count = (first && second) ? 1 : 0;
}

bool TakeCell(SynthDecoder* decoder, bool first, bool second, uint32_t* word) {
  switch (decoder->phase) {
    case kUnlock:
      if (first && second) {
        decoder->count++;
      } else if (!first && !second && decoder->count >= kSynthUnlockCells) {
        decoder->phase = kStart;
        decoder->count = 1;
        decoder->word = 0;
      } else {
        decoder->count = 0;
      }
      return false;
    case kStart:
      if (first || second) {
        RestartFrame(decoder, first, second);
      } else if (++decoder->count == kSynthStartCells) {
        decoder->phase = kData;
        decoder->count = 0;
      }
      return false;
    case kData:
      if (first == second) {
        RestartFrame(decoder, first, second);
        return false;
      }
      if (second) decoder->word |= 1u << decoder->count;
      if (++decoder->count == kSynthWordBits) decoder->phase = kStop;
      return false;
    default:
      decoder->phase = kUnlock;
      decoder->count = 0;
      if (!(first && second)) return false;
      *word = decoder->word;
      return true;
  }
}

}  // namespace

void ResetSynthDecoder(SynthDecoder* decoder, bool clock, bool data) {
  decoder->clock = clock;
  decoder->data = data;
  decoder->haveFirstHalf = false;
  decoder->firstHalf = false;
  decoder->phase = kUnlock;
  decoder->count = 0;
  decoder->word = 0;
}

bool FeedSynthLines(SynthDecoder* decoder, bool clock, bool data, uint32_t* word) {
  bool fell = decoder->clock && !clock;
  bool rose = !decoder->clock && clock;
  decoder->clock = clock;
  decoder->data = data;
  if (fell) {
    decoder->haveFirstHalf = true;
    decoder->firstHalf = data;
    return false;
  }
  if (!rose || !decoder->haveFirstHalf) return false;
  decoder->haveFirstHalf = false;
  return TakeCell(decoder, decoder->firstHalf, data, word);
}

int SynthWordRegister(uint32_t word) {
  return static_cast<int>((word >> 21) & 7);
}

uint32_t SynthWordFrequency(uint32_t word) {
  // Bits 21 to 23 carry the register number and are not part of the setting.
  for (int i = 0; i < kClockRowCount; ++i) {
    if ((kClkITable[i].word & kSynthSettingMask) == (word & kSynthSettingMask))
      return kClkITable[i].kHz;
    if ((kClkI2Table[i].word & kSynthSettingMask) == (word & kSynthSettingMask))
      return kClkI2Table[i].kHz;
  }
  return 0;
}
