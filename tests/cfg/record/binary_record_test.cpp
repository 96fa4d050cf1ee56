#include "cfg/record/binary_record.h"

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "cfg/record/byte_window.h"
#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/message_recorder.h"

namespace {

// Searches a heap copy of exactly the given size, so that the sanitizer build
// catches a read past its end.
bool Find(const std::string& bytes, RecordLocation* found) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size() ? bytes.size() : 1]);
  memcpy(copy.get(), bytes.data(), bytes.size());
  return FindBinaryRecord(copy.get(), bytes.size(), found);
}

class BinaryRecordTest : public ConfigurationTest {
 protected:
  MessageRecorder messages;
};

}  // namespace

TEST_F(BinaryRecordTest, ExactlyOneRecordIsFoundButOneByteLessIsNot) {
  std::string image = RecordImage(SampleRecord(), false);
  RecordLocation found{99, true, nullptr};
  ASSERT_TRUE(Find(image, &found));
  EXPECT_EQ(found.offset, 0u);
  EXPECT_FALSE(found.bigEndian);
  EXPECT_FALSE(Find(image.substr(0, 487), &found));
  EXPECT_FALSE(Find("", &found));
  EXPECT_FALSE(Find("5642 HAL EXE", &found));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(BinaryRecordTest, RecordAtTheLastPossibleOffsetIsFoundAndNotBeyond) {
  std::string image = RecordImage(SampleRecord(), false);
  RecordLocation found;
  ASSERT_TRUE(Find(std::string(1001, '5') + image, &found));
  EXPECT_EQ(found.offset, 1001u);
  // An ID with less than 488 bytes behind it is no record.
  EXPECT_FALSE(Find(std::string(1001, '5') + image.substr(0, 487), &found));
}

TEST_F(BinaryRecordTest, CandidateOfAnotherSizeIsReportedThenTheValidRecordWins) {
  HAL_STRUCT old = SampleRecord();
  old.Size = 400;
  HAL_STRUCT later = SampleRecord();
  later.ClkI = 1;
  std::string file = std::string(33, 'x') + RecordImage(old, false) + "5642 HAL" +
                     RecordImage(SampleRecord(), true) + RecordImage(later, false);
  RecordLocation found;
  HAL_STRUCT record;
  ASSERT_TRUE(
      ReadBinaryHal(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &record, &found));
  EXPECT_EQ(found.offset, 33u + 488 + 8);
  EXPECT_TRUE(found.bigEndian);
  HAL_STRUCT expected = SampleRecord();
  EXPECT_EQ(memcmp(&record, &expected, 488), 0);  // the first valid copy, in own order
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Incorrect HAL_STRUCT version! [400 488]"});
  EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconError));
}

TEST_F(BinaryRecordTest, CandidateWithoutAMarkerIsPassedSilently) {
  std::string bad = RecordImage(SampleRecord(), false);
  bad[16] = 0x11;
  RecordLocation found;
  ASSERT_TRUE(Find(bad + RecordImage(SampleRecord(), false), &found));
  EXPECT_EQ(found.offset, 488u);
  EXPECT_FALSE(Find(bad, &found));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(BinaryRecordTest, BigEndianCandidateSizeIsReadInItsOwnOrder) {
  HAL_STRUCT old = SampleRecord();
  old.Size = 0x01E9;  // 489: reads as E901h little-endian
  RecordLocation found;
  EXPECT_FALSE(Find(RecordImage(old, true), &found));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Incorrect HAL_STRUCT version! [489 488]"});
}

namespace {

struct SearchResult {
  bool found = false;
  uint64_t offset = 0;
  bool bigEndian = false;
  std::vector<std::string> messages;
};

bool operator==(const SearchResult& a, const SearchResult& b) {
  return a.found == b.found && a.offset == b.offset && a.bigEndian == b.bigEndian &&
         a.messages == b.messages;
}

std::ostream& operator<<(std::ostream& out, const SearchResult& r) {
  out << (r.found ? "found at " + std::to_string(r.offset) : "not found");
  for (const std::string& m : r.messages) out << "; " << m;
  return out;
}

// The search as a comparison at every offset of the whole file.
SearchResult ReferenceSearch(const std::string& file) {
  SearchResult result;
  auto byte = [&](size_t at) { return static_cast<unsigned>(static_cast<uint8_t>(file[at])); };
  for (size_t at = 0; at + 488 <= file.size(); ++at) {
    if (file.compare(at, 12, "5642 HAL EXE") != 0) continue;
    unsigned marker = byte(at + 16) | byte(at + 17) << 8;
    if (marker != 0x1234 && marker != 0x3412) continue;
    bool big = marker == 0x3412;
    unsigned size = big ? byte(at + 18) << 8 | byte(at + 19) : byte(at + 18) | byte(at + 19) << 8;
    if (size == 488) {
      result.found = true;
      result.offset = at;
      result.bigEndian = big;
      return result;
    }
    result.messages.push_back("Incorrect HAL_STRUCT version! [" + std::to_string(size) + " 488]");
  }
  return result;
}

template <typename Search>
SearchResult Searched(Search search) {
  MessageRecorder messages;
  SearchResult result;
  RecordLocation found{0, false, nullptr};
  result.found = search(&found);
  if (result.found) {
    result.offset = found.offset;
    result.bigEndian = found.bigEndian;
  }
  result.messages = messages.Texts();
  return result;
}

// Filler of ID characters and zeros with IDs cut short or changed in one
// byte, candidates without a marker or with another Size, and valid records
// in either byte order, many of them across the places where a window of
// the block size reads its next block.
std::string SearchFile(std::mt19937& random, size_t blockSize) {
  static const char kAlphabet[] = "5642 HALEX\0";
  std::string file(random() % (12 * blockSize), '\0');
  for (char& c : file) c = kAlphabet[random() % (sizeof kAlphabet - 1)];
  std::vector<size_t> places;
  // The first read fills the whole buffer; each later one all but the 487
  // bytes carried over.
  size_t capacity = blockSize + kWindowMaxCarry;
  for (size_t at = capacity; at < file.size(); at += capacity - 487) places.push_back(at);
  for (size_t pieces = random() % 10; pieces-- > 0 && !file.empty();) {
    HAL_STRUCT record = SampleRecord();
    int kind = static_cast<int>(random() % 5);
    if (kind == 1) record.Size = static_cast<uint16_t>(random() % 1000);
    std::string piece = RecordImage(record, random() % 2);
    if (kind == 2) piece[16 + random() % 2] ^= 0x40;            // no marker
    if (kind == 3) piece[random() % 12] = 'X';                  // a near miss
    if (kind == 4) piece = piece.substr(0, 1 + random() % 11);  // the ID cut short
    size_t at = random() % file.size();
    if (!places.empty() && random() % 3) {
      // Across a read, or around the first candidate a window leaves to the next.
      size_t place = places[random() % places.size()];
      size_t before = random() % 2 ? random() % 500 : 487 - 16 + random() % 33;
      at = place - std::min(place, before);
    }
    file.replace(at, std::min(piece.size(), file.size() - at), piece.substr(0, file.size() - at));
  }
  return file;
}

}  // namespace

TEST(BinaryRecordSearchTest, WindowAndBufferSearchesAgreeWithTheComparisonAtEveryOffset) {
  std::mt19937 random(7);
  int found = 0;
  int reported = 0;
  for (int round = 0; round < 1000; ++round) {
    size_t blockSize = round % 3 == 0 ? 1 : 64 + random() % 2000;
    std::string file = SearchFile(random, blockSize);
    SearchResult expected = ReferenceSearch(file);
    found += expected.found;
    reported += !expected.messages.empty();
    ASSERT_EQ(Searched([&](RecordLocation* at) { return Find(file, at); }), expected) << round;
    ASSERT_EQ(Searched([&](RecordLocation* at) {
                ByteWindow window(TextSource(file), file.size(), blockSize);
                bool ok = FindBinaryRecordIn(&window, at);
                // The location points at the record's bytes in the window.
                EXPECT_TRUE(!ok || memcmp(at->bytes, file.data() + at->offset, 488) == 0);
                return ok;
              }),
              expected)
        << round << " block " << blockSize;
  }
  // The files hold all kinds of outcome.
  EXPECT_GT(found, 100);
  EXPECT_GT(reported, 100);
}

TEST(BinaryRecordSearchTest, ShortReadEndsTheSearchAfterTheCandidatesBeforeIt) {
  MessageRecorder messages;
  HAL_STRUCT old = SampleRecord();
  old.Size = 400;
  std::string file =
      RecordImage(old, false) + std::string(5000, 'x') + RecordImage(SampleRecord(), false);
  ByteWindow window(TextSource(file, 4000), file.size(), 1000);
  HAL_STRUCT record;
  RecordLocation found;
  EXPECT_FALSE(ReadBinaryHalIn(&window, &record, &found));
  EXPECT_TRUE(window.Failed());
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Incorrect HAL_STRUCT version! [400 488]",
                                                        "ERROR: read 4000 bytes of 5976"}));
}
