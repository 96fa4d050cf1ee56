#include "cfg/record/hex_decode.h"

#include <ctype.h>
#include <gtest/gtest.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Decoded {
  bool ok;
  std::vector<uint8_t> bytes;
  unsigned sum;
};

// Decodes count pairs from a heap block of exactly the text's size (so that
// the sanitizers see any read beyond it) with the vector decoder.
Decoded Vector(const std::string& text, unsigned count) {
  std::vector<uint8_t> copy(text.begin(), text.end());
  Decoded result{false, std::vector<uint8_t>(count + kDecodeSpareBytes), 5};
  result.ok = DecodeHexBytes(copy.data(), copy.size(), count, result.bytes.data(), &result.sum);
  result.bytes.resize(count);
  return result;
}

Decoded Plain(const std::string& text, unsigned count) {
  Decoded result{false, std::vector<uint8_t>(count), 5};
  result.ok = DecodeHexBytesPlain(reinterpret_cast<const uint8_t*>(text.data()), count,
                                  result.bytes.data(), &result.sum);
  return result;
}

std::string RandomHex(std::mt19937& random, size_t characters) {
  static const char kDigits[] = "0123456789abcdefABCDEF";
  std::string text;
  for (size_t i = 0; i < characters; ++i) text += kDigits[random() % 22];
  return text;
}

}  // namespace

TEST(HexDecodeTest, VectorDecoderAgreesWithThePlainOneForEveryCountAndDamage) {
  std::mt19937 random(42);
  for (unsigned count = 0; count <= 255; ++count) {
    for (int round = 0; round < 12; ++round) {
      // With and without room behind the pairs for whole vectors.
      std::string text = RandomHex(random, 2 * count + (round % 2 ? 40 : random() % 32));
      if (round >= 4 && count > 0) {
        size_t at = random() % text.size();
        text[at] = static_cast<char>(random() % 256);
      }
      Decoded plain = Plain(text, count);
      Decoded vector = Vector(text, count);
      ASSERT_EQ(vector.ok, plain.ok) << count << " " << text;
      if (!plain.ok) continue;
      ASSERT_EQ(vector.bytes, plain.bytes) << count << " " << text;
      ASSERT_EQ(vector.sum, plain.sum) << count << " " << text;
    }
  }
}

TEST(HexDecodeTest, EveryCharacterIsJudgedAtEveryPlaceOfAVector) {
  for (int c = 0; c < 256; ++c) {
    bool digit = isxdigit(c) != 0;
    for (size_t at = 0; at < 34; ++at) {
      std::string text = std::string(64, '7');
      text[at] = static_cast<char>(c);
      // Sixteen pairs are taken; the characters behind them never count.
      Decoded vector = Vector(text, 16);
      ASSERT_EQ(vector.ok, digit || at >= 32) << c << " at " << at;
      if (vector.ok && at < 32) {
        uint8_t value = static_cast<uint8_t>(HexPair(text[at & ~size_t(1)], text[at | 1]));
        ASSERT_EQ(vector.bytes[at / 2], value) << c << " at " << at;
      }
    }
  }
  EXPECT_EQ(Vector("fF0a9B", 3).bytes, (std::vector<uint8_t>{0xFF, 0x0A, 0x9B}));
  EXPECT_EQ(HexPair('g', '0') & kNotHexPair, unsigned(kNotHexPair));
}
