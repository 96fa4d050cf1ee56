#include "cfg/record/id_search.h"

#include <gtest/gtest.h>
#include <string.h>

#include <memory>
#include <random>
#include <string>

namespace {

const char kId[] = "5642 HAL EXE";

// The first offset from begin at which the ID stands wholly before end,
// compared at every offset.
long Reference(const std::string& bytes, size_t begin, size_t end) {
  for (size_t at = begin; at + 12 <= end; ++at)
    if (bytes.compare(at, 12, kId) == 0) return static_cast<long>(at);
  return -1;
}

long Offset(const uint8_t* base, const uint8_t* found) {
  return found ? static_cast<long>(found - base) : -1;
}

// Bytes that keep the probes busy: ID characters, zeros, the ID with one
// byte changed, and now and then the ID itself.
std::string Haystack(std::mt19937& random, size_t length) {
  static const char kAlphabet[] = "5642 HALEX\0\xff";
  std::string bytes(length, '\0');
  for (char& c : bytes) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
  for (size_t pieces = random() % 8; pieces-- > 0 && length >= 12;) {
    std::string id = kId;
    if (random() % 3) id[random() % 12] = static_cast<char>(random());
    bytes.replace(random() % (length - 11), 12, id);
  }
  return bytes;
}

}  // namespace

TEST(IdSearchTest, VectorAndPlainSearchAgreeWithAComparisonAtEveryOffset) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 3000; ++round) {
    size_t length = random() % 300;
    std::string bytes = Haystack(random, length);
    // A heap block of exactly the bytes, so that the sanitizers see any read
    // beyond end.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[length + 1]);
    memcpy(copy.get(), bytes.data(), length);
    size_t begin = length ? random() % (length / 4 + 1) : 0;
    for (size_t end : {length, length - length / 3}) {
      long expected = Reference(bytes, begin, end);
      ASSERT_EQ(Offset(copy.get(), FindRecordId(copy.get() + begin, copy.get() + end)), expected)
          << round;
      ASSERT_EQ(Offset(copy.get(), FindRecordIdPlain(copy.get() + begin, copy.get() + end)),
                expected)
          << round;
    }
  }
}

TEST(IdSearchTest, IdAtEveryPlaceOfAVectorRoundIsFound) {
  for (size_t at = 0; at < 140; ++at) {
    std::string bytes(160, 'X');
    bytes.replace(at, 12, kId);
    const uint8_t* base = reinterpret_cast<const uint8_t*>(bytes.data());
    ASSERT_EQ(Offset(base, FindRecordId(base, base + bytes.size())), static_cast<long>(at));
    // One byte too few behind it.
    ASSERT_EQ(FindRecordId(base, base + at + 11), nullptr);
  }
}
