#include "cfg/record/binary_record.h"

#include <gtest/gtest.h>
#include <string.h>

#include <memory>

#include "cfg/record/record.h"
#include "common/message.h"
#include "record_files.h"
#include "tests/support/message_recorder.h"

namespace {

// Searches a heap copy of exactly the given size, so that the sanitizer build
// catches a read past its end.
bool Find(const std::string& bytes, RecordLocation* found) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size() ? bytes.size() : 1]);
  memcpy(copy.get(), bytes.data(), bytes.size());
  return FindBinaryRecord(copy.get(), bytes.size(), found);
}

class BinaryRecordTest : public ::testing::Test {
 protected:
  MessageRecorder messages;
};

}  // namespace

TEST_F(BinaryRecordTest, ExactlyOneRecordIsFoundButOneByteLessIsNot) {
  std::string image = RecordImage(SampleRecord(), false);
  RecordLocation found{99, true};
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
