// Decoding the hexadecimal character pairs of S-record text into bytes,
// sixteen bytes at a time where the processor has a vector unit.
#ifndef QLC_CFG_RECORD_HEX_DECODE_H
#define QLC_CFG_RECORD_HEX_DECODE_H

#include <stddef.h>
#include <stdint.h>

// Value of every character read as a hexadecimal digit; kNotHexDigit for any
// other character.
enum : uint8_t { kNotHexDigit = 0x10 };
struct HexDigitTable {
  uint8_t value[256];
  constexpr HexDigitTable() : value() {
    for (int c = 0; c < 256; ++c) {
      value[c] = c >= '0' && c <= '9'   ? uint8_t(c - '0')
                 : c >= 'A' && c <= 'F' ? uint8_t(c - 'A' + 10)
                 : c >= 'a' && c <= 'f' ? uint8_t(c - 'a' + 10)
                                        : uint8_t(kNotHexDigit);
    }
  }
};
inline constexpr HexDigitTable kHexDigits;

// The byte written by two characters (upper or lower case), or a value with
// kNotHexPair set.
enum : unsigned { kNotHexPair = 0x100 };
inline unsigned HexPair(uint8_t high, uint8_t low) {
  unsigned h = kHexDigits.value[high];
  unsigned l = kHexDigits.value[low];
  return (h << 4 | l) | ((h | l) & kNotHexDigit) << 4;
}

// Bytes that DecodeHexBytes may write behind the last byte it decodes.
enum : size_t { kDecodeSpareBytes = 16 };
// Characters behind the last pair that, when readable, let DecodeHexBytes
// take whole vectors to the end.
enum : size_t { kDecodeSpareCharacters = 32 };

// Decodes count bytes from the 2 * count characters at characters into
// bytes and adds their values to *sum. readable is the number of characters
// that may be read (at least 2 * count); bytes must have kDecodeSpareBytes
// room behind the count. False when a character of the pairs is not a
// hexadecimal digit (bytes and *sum are then undefined).
bool DecodeHexBytes(const uint8_t* characters, size_t readable, unsigned count, uint8_t* bytes,
                    unsigned* sum);

// The same a pair at a time with the table: the plain reference.
bool DecodeHexBytesPlain(const uint8_t* characters, unsigned count, uint8_t* bytes, unsigned* sum);

#endif
