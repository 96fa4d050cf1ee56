#include "cfg/record/hex_decode.h"

#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool DecodeHexBytesPlain(const uint8_t* characters, unsigned count, uint8_t* bytes, unsigned* sum) {
  unsigned bad = 0;
  for (unsigned i = 0; i < count; ++i) {
    unsigned byte = HexPair(characters[2 * i], characters[2 * i + 1]);
    bad |= byte;
    *sum += byte & 0xFF;
    bytes[i] = static_cast<uint8_t>(byte);
  }
  return !(bad & kNotHexPair);
}

namespace {

// Eight hexadecimal characters decoded at once into four bytes in a plain
// 64-bit word, whose sum is added to sum. False when any of the characters
// is not a hexadecimal digit.
inline bool DecodeFourBytes(const uint8_t* characters, uint8_t* bytes, unsigned* sum) {
  const uint64_t kOnes = 0x0101010101010101ull;
  uint64_t x;
  memcpy(&x, characters, 8);
  // Every character below 0x80 and holding bit 5 or 6: no byte carries into
  // the next one below, and control characters 0x10-0x19 cannot pass as digits.
  if (x & (0x80 * kOnes)) return false;
  if ((((x & (0x60 * kOnes)) + 0x7F * kOnes) & (0x80 * kOnes)) != 0x80 * kOnes) return false;
  // Letters folded to lower case; digits keep their codes.
  uint64_t y = x | (0x20 * kOnes);
  uint64_t digit = (y + (0x80 - 0x30) * kOnes) & ~(y + (0x7F - 0x39) * kOnes);
  uint64_t letter = (y + (0x80 - 0x61) * kOnes) & ~(y + (0x7F - 0x66) * kOnes);
  if (((digit | letter) & (0x80 * kOnes)) != 0x80 * kOnes) return false;
  // Digit values: the low four bits, plus 9 for letters (bit 6 set).
  uint64_t nibbles = (x & (0x0F * kOnes)) + ((x >> 6) & kOnes) * 9;
  // Pairs of nibbles into 16-bit lanes holding one byte each, then packed.
  uint64_t lanes =
      ((nibbles & 0x00FF00FF00FF00FFull) << 4) | ((nibbles >> 8) & 0x00FF00FF00FF00FFull);
  *sum += static_cast<unsigned>((lanes * 0x0001000100010001ull) >> 48);
  uint64_t packed = (lanes | (lanes >> 8)) & 0x0000FFFF0000FFFFull;
  packed = (packed | (packed >> 16)) & 0xFFFFFFFFull;
  uint32_t four = static_cast<uint32_t>(packed);
  memcpy(bytes, &four, 4);
  return true;
}

// Four bytes at a time, then pair by pair, reading no character beyond the
// pairs.
bool DecodeExactly(const uint8_t* characters, unsigned count, uint8_t* bytes, unsigned* sum) {
  unsigned i = 0;
  for (; i + 4 <= count; i += 4) {
    if (!DecodeFourBytes(characters + 2 * i, bytes + i, sum)) return false;
  }
  return DecodeHexBytesPlain(characters + 2 * i, count - i, bytes + i, sum);
}

}  // namespace

#if defined(__SSE2__)

namespace {

// The digit values of sixteen characters; *valid holds FFh for each
// character that is a hexadecimal digit.
inline __m128i Nibbles(__m128i c, __m128i* valid) {
  // Signed compares: characters from 0x80 up are negative and fail both ranges.
  __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(c, _mm_set1_epi8('0' - 1)),
                                _mm_cmplt_epi8(c, _mm_set1_epi8('9' + 1)));
  __m128i folded = _mm_or_si128(c, _mm_set1_epi8(0x20));
  __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)),
                                 _mm_cmplt_epi8(folded, _mm_set1_epi8('f' + 1)));
  *valid = _mm_or_si128(digit, letter);
  return _mm_add_epi8(_mm_and_si128(c, _mm_set1_epi8(0x0F)),
                      _mm_and_si128(letter, _mm_set1_epi8(9)));
}

// Character pairs into 16-bit lanes holding one byte each: the first
// character of a pair is the low byte of its lane and the high nibble.
inline __m128i PairValues(__m128i nibbles) {
  return _mm_or_si128(_mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0x00FF)), 4),
                      _mm_srli_epi16(nibbles, 8));
}

// Thirty-two characters into sixteen bytes, of which the first count (1 to
// 16) are wanted: only their characters must be digits and only they are
// added to the two 64-bit sums in sums; all sixteen are stored.
inline bool DecodeSixteenBytes(const uint8_t* characters, unsigned count, uint8_t* bytes,
                               __m128i* sums) {
  __m128i valid0;
  __m128i valid1;
  __m128i low = Nibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(characters)), &valid0);
  __m128i high =
      Nibbles(_mm_loadu_si128(reinterpret_cast<const __m128i*>(characters + 16)), &valid1);
  uint32_t validMask = static_cast<uint32_t>(_mm_movemask_epi8(valid0)) |
                       static_cast<uint32_t>(_mm_movemask_epi8(valid1)) << 16;
  uint32_t wanted = count >= 16 ? 0xFFFFFFFFu : (uint32_t(1) << (2 * count)) - 1;
  if ((validMask & wanted) != wanted) return false;
  __m128i packed = _mm_packus_epi16(PairValues(low), PairValues(high));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes), packed);
  if (count < 16) {
    const __m128i kLane = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    packed = _mm_and_si128(packed, _mm_cmplt_epi8(kLane, _mm_set1_epi8(static_cast<char>(count))));
  }
  *sums = _mm_add_epi64(*sums, _mm_sad_epu8(packed, _mm_setzero_si128()));
  return true;
}

}  // namespace

bool DecodeHexBytes(const uint8_t* characters, size_t readable, unsigned count, uint8_t* bytes,
                    unsigned* sum) {
  // Whole vectors only where the last one may read past the pairs.
  if (readable < 2 * size_t(count) + kDecodeSpareCharacters)
    return DecodeExactly(characters, count, bytes, sum);
  __m128i sums = _mm_setzero_si128();
  for (unsigned i = 0; i < count; i += 16) {
    if (!DecodeSixteenBytes(characters + 2 * i, count - i, bytes + i, &sums)) return false;
  }
  *sum +=
      static_cast<unsigned>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
  return true;
}

#else

bool DecodeHexBytes(const uint8_t* characters, size_t, unsigned count, uint8_t* bytes,
                    unsigned* sum) {
  return DecodeExactly(characters, count, bytes, sum);
}

#endif
