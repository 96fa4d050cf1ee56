#include "cfg/record/srecord.h"

#include <ctype.h>
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <map>
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

// Text in a heap block of exactly its own size, so that the sanitizer build
// catches any read or write past its end.
struct ExactBuffer {
  explicit ExactBuffer(const std::string& text)
      : size(text.size()), bytes(new uint8_t[text.size() ? text.size() : 1]) {
    memcpy(bytes.get(), text.data(), text.size());
  }
  std::string Text() const { return std::string(reinterpret_cast<char*>(bytes.get()), size); }
  size_t size;
  std::unique_ptr<uint8_t[]> bytes;
};

bool Read(const std::string& text, HAL_STRUCT* record) {
  ExactBuffer buffer(text);
  return ReadSRecordHal(buffer.bytes.get(), buffer.size, record);
}

// Patches text in place; on success the span the patch reports must be
// exactly the one that differs, since a save writes only that span.
bool Patch(std::string* text, const HAL_STRUCT& values) {
  ExactBuffer buffer(*text);
  TextSpan changed{7, 7};
  bool ok = PatchSRecordHal(buffer.bytes.get(), buffer.size, values, &changed);
  if (ok) {
    TextSpan expected = DifferingSpan(*text, buffer.Text());
    EXPECT_EQ(changed.begin, expected.begin);
    EXPECT_EQ(changed.end, expected.end);
  }
  *text = buffer.Text();
  return ok;
}

bool SameRecord(const HAL_STRUCT& a, const HAL_STRUCT& b) {
  return memcmp(&a, &b, 488) == 0;
}

// The sample record with every patched field changed.
HAL_STRUCT ChangedRecord() {
  HAL_STRUCT record = SampleRecord();
  record.Flags = 0x11;
  record.Regs[1].Value = 0x00FF;
  record.GcpData[31] = 0x77;
  record.ClkI = 0x01020304;
  record.RegAddr = 0xCAFE0000;
  record.PowerOnDelay = 0xBEEF;
  return record;
}

// What a patch puts into the file: the changed values, with the file's own
// ID, marker, Size and Reserved words.
HAL_STRUCT PatchedImageOf(const HAL_STRUCT& file, const HAL_STRUCT& values) {
  HAL_STRUCT expected = values;
  memcpy(expected.IdString, file.IdString, 16);
  memcpy(expected.Reserved, file.Reserved, sizeof expected.Reserved);
  return expected;
}

// Only data and checksum characters differ, line by line.
void ExpectOnlyDataCharactersChanged(const std::string& before, const std::string& after) {
  ASSERT_EQ(before.size(), after.size());
  std::vector<std::string> a = SplitLines(before);
  std::vector<std::string> b = SplitLines(after);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    int type = a[i][1] - '0';
    size_t fixed = 4 + 2 * size_t(type == 2 ? 3 : type == 3 ? 4 : 2);
    EXPECT_EQ(a[i].substr(0, fixed), b[i].substr(0, fixed)) << "line " << i;
  }
  // Line ends stay where they were.
  for (size_t i = 0; i < before.size(); ++i) {
    if (before[i] == '\r' || before[i] == '\n') {
      EXPECT_EQ(before[i], after[i]);
    }
  }
}

// The "HDR" of the S0 line that MakeSRecordText writes first is part of the
// data stream.
const size_t kHeaderBytes = 3;

// Record bytes behind 7 bytes of other data, followed by 20 more.
std::string StreamAround(const std::string& image) {
  return std::string("\x01\x02\x03\x04\x05\x06\x07", 7) + image + std::string(20, '\x5A');
}

class SRecordTest : public ConfigurationTest {
 protected:
  // Reads the sample record from text (behind the S0 bytes and 7 more),
  // patches it with the changed record and checks the outcome: only data and
  // checksum characters differ, every checksum is right, and the stream holds
  // the patched record in the given byte order. Returns the patched text.
  std::string ReadAndPatch(const std::string& text, bool bigEndian) {
    HAL_STRUCT read;
    EXPECT_TRUE(Read(text, &read));
    EXPECT_TRUE(SameRecord(read, SampleRecord()));
    std::string patched = text;
    EXPECT_TRUE(Patch(&patched, ChangedRecord()));
    ExpectOnlyDataCharactersChanged(text, patched);
    EXPECT_TRUE(AllChecksumsCorrect(patched));
    std::string stream = DataStream(patched);
    EXPECT_EQ(stream.substr(0, kHeaderBytes + 7), DataStream(text).substr(0, kHeaderBytes + 7));
    EXPECT_EQ(stream.substr(kHeaderBytes + 7, 488),
              RecordImage(PatchedImageOf(SampleRecord(), ChangedRecord()), bigEndian));
    EXPECT_EQ(stream.substr(kHeaderBytes + 7 + 488),
              DataStream(text).substr(kHeaderBytes + 7 + 488));
    EXPECT_TRUE(messages.Messages().empty());
    return patched;
  }
  MessageRecorder messages;
};

}  // namespace

// --- Reading and rewriting sound text ---

TEST_F(SRecordTest, RecordStartingMidLineAcrossS1LinesIsReadAndPatchedInPlace) {
  std::string text = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)));
  std::string patched = ReadAndPatch(text, false);
  // The header line and the lines behind the record are untouched.
  EXPECT_EQ(SplitLines(text).front(), SplitLines(patched).front());
  EXPECT_EQ(SplitLines(text).back(), SplitLines(patched).back());
}

TEST_F(SRecordTest, LowerCaseTextIsReadAndOnlyRewrittenLinesComeOutUpperCase) {
  SRecordLayout layout;
  layout.lowerCase = true;
  std::string text = MakeSRecordText(
      StreamAround(RecordImage(SampleRecord(), false)) + std::string(64, 'z'), layout);
  std::vector<std::string> a = SplitLines(text);
  std::vector<std::string> b = SplitLines(ReadAndPatch(text, false));
  int rewritten = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    ++rewritten;
    EXPECT_TRUE(IsUpperCaseLine(b[i].substr(8))) << b[i];
  }
  // The patched bytes 20..481 lie at stream offsets 30..491: data lines 2..31.
  EXPECT_EQ(rewritten, 30);
  EXPECT_FALSE(IsUpperCaseLine(b.back()));
  EXPECT_FALSE(IsUpperCaseLine(b[b.size() - 2]));
}

TEST_F(SRecordTest, ChangedSpanRunsFromTheFirstToTheLastCharacterThatDiffers) {
  std::string text = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)));
  // The same values change nothing: the span is empty.
  std::string same = text;
  ASSERT_TRUE(Patch(&same, SampleRecord()));
  EXPECT_EQ(same, text);
  // The low byte of ClkI (data offset 7 + 456 = 463 behind the S0 line: data
  // line 28, the line's last byte) changes its two data characters and the
  // line's checksum.
  HAL_STRUCT values = SampleRecord();
  values.ClkI ^= 0xFF;
  std::string patched = text;
  ASSERT_TRUE(Patch(&patched, values));
  TextSpan span = DifferingSpan(text, patched);
  size_t lineStart = 0;
  for (int line = 0; line < 1 + 28; ++line) lineStart = text.find("\r\n", lineStart) + 2;
  EXPECT_EQ(span.begin, lineStart + 8 + 2 * 15);
  EXPECT_EQ(span.end, text.find("\r\n", lineStart));
  // Lower-case lines that hold record bytes come out in upper case even when
  // no value changes: the span covers them too.
  SRecordLayout layout;
  layout.lowerCase = true;
  std::string lower = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)), layout);
  std::string upper = lower;
  ASSERT_TRUE(Patch(&upper, SampleRecord()));
  EXPECT_NE(upper, lower);
}

TEST_F(SRecordTest, S2AndS3RecordsAreReadAndRewrittenLikeS1) {
  for (int type : {2, 3}) {
    SCOPED_TRACE(type);
    SRecordLayout layout;
    layout.type = type;
    layout.bytesPerLine = 32;
    layout.address = 0x00FF0000;
    ReadAndPatch(MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)), layout), false);
  }
}

TEST_F(SRecordTest, BigEndianRecordIsReadAndWrittenBackInItsOwnOrder) {
  std::string text = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), true)));
  std::string image = DataStream(ReadAndPatch(text, true)).substr(kHeaderBytes + 7, 488);
  EXPECT_EQ(image.substr(16, 2), "\x12\x34");
}

TEST_F(SRecordTest, StreamFollowsFileOrderWhateverTheAddressesSay) {
  std::string stream = StreamAround(RecordImage(SampleRecord(), false));
  std::string text;
  uint32_t address = 0xF000;
  for (size_t at = 0; at < stream.size(); at += 24, address -= 0x100) {
    text += SRecordLine(1, address, stream.substr(at, 24), false) + "\n";
  }
  HAL_STRUCT read;
  ASSERT_TRUE(Read(text, &read));
  EXPECT_TRUE(SameRecord(read, SampleRecord()));
}

TEST_F(SRecordTest, RecordsWithoutDataAndEmptyDataRecordsArePassedOver) {
  std::string image = RecordImage(SampleRecord(), false);
  std::string text = SRecordLine(1, 0, image.substr(0, 100), false) + "\r\n" +
                     SRecordLine(5, 1, "", false) + "\r\n" + SRecordLine(1, 100, "", false) +
                     "\r\n" + SRecordLine(7, 0, "", false) + "\r\n" + SRecordLine(8, 0, "", false) +
                     "\r\n" + SRecordLine(9, 0, "", false) + "\r\n" +
                     SRecordLine(3, 100, image.substr(100, 250), false) + "\r\n" +
                     SRecordLine(2, 350, image.substr(350), false) + "\r\n";
  HAL_STRUCT read;
  ASSERT_TRUE(Read(text, &read));
  EXPECT_TRUE(SameRecord(read, SampleRecord()));
  std::string patched = text;
  ASSERT_TRUE(Patch(&patched, ChangedRecord()));
  EXPECT_TRUE(AllChecksumsCorrect(patched));
  EXPECT_EQ(DataStream(patched),
            RecordImage(PatchedImageOf(SampleRecord(), ChangedRecord()), false));
}

TEST_F(SRecordTest, IdSplitByARepeatedFirstCharacterIsStillFound) {
  std::string stream = "5642 HAL" + std::string("55") + RecordImage(SampleRecord(), false);
  HAL_STRUCT read;
  ASSERT_TRUE(Read(MakeSRecordText(stream), &read));
  EXPECT_TRUE(SameRecord(read, SampleRecord()));
}

// --- Reported failures ---

TEST_F(SRecordTest, TextWithoutIdFailsWithoutMessage) {
  HAL_STRUCT read;
  EXPECT_FALSE(Read(MakeSRecordText(std::string(2000, 'A')), &read));
  EXPECT_FALSE(Read("", &read));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SRecordTest, WrongChecksumUpToTheRecordsLastByteIsReported) {
  std::string text = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)));
  std::vector<std::string> lines = SplitLines(text);
  // Line 0 is the S0 line; data line k holds stream bytes 3 + 16 (k - 1) on,
  // so the record's last byte (stream 497) is in line 31.
  for (size_t damaged : {size_t(0), size_t(1), size_t(31)}) {
    messages.Clear();
    std::vector<std::string> copy = lines;
    char& last = copy[damaged].back();
    last = last == '0' ? '1' : '0';
    std::string broken;
    for (const std::string& line : copy) broken += line + "\r\n";
    HAL_STRUCT read = kDefaultHalStruct;
    EXPECT_FALSE(Read(broken, &read)) << damaged;
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: Invalid checksum!"}) << damaged;
    EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconError));
    EXPECT_TRUE(SameRecord(read, kDefaultHalStruct));  // nothing taken over
    std::string patched = broken;
    EXPECT_FALSE(Patch(&patched, ChangedRecord()));
    EXPECT_EQ(patched, broken);
  }
  // Behind the record nothing is read.
  std::vector<std::string> copy = lines;
  copy[32].back() = copy[32].back() == '0' ? '1' : '0';
  std::string tail;
  for (const std::string& line : copy) tail += line + "\n";
  messages.Clear();
  HAL_STRUCT read;
  EXPECT_TRUE(Read(tail, &read));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SRecordTest, UnknownMarkerIsReportedInLowerCaseHex) {
  std::string image = RecordImage(SampleRecord(), false);
  image[16] = '\xAB';
  image[17] = '\xCD';
  HAL_STRUCT read;
  EXPECT_FALSE(Read(MakeSRecordText(image), &read));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid Endian cdab"});
}

TEST_F(SRecordTest, WrongSizeIsReportedAndNoLaterRecordIsTried) {
  HAL_STRUCT old = SampleRecord();
  old.Size = 400;
  std::string stream = RecordImage(old, true) + RecordImage(SampleRecord(), false);
  HAL_STRUCT read;
  EXPECT_FALSE(Read(MakeSRecordText(stream), &read));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Incorrect HAL_STRUCT version! [400 488]"});
}

// --- Damaged text: a plain failure, no message, no access outside the text ---

TEST_F(SRecordTest, DamagedTextFailsWithoutReadingPastTheBuffer) {
  std::string image = RecordImage(SampleRecord(), false);
  std::string good = MakeSRecordText(image);
  std::string firstLine = SRecordLine(1, 0, image.substr(0, 16), false);
  std::string rest = good.substr(good.find('\n', good.find(firstLine)) + 1);
  std::string header = good.substr(0, good.find(firstLine));
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"non-hex digit in the checksum",
       header + firstLine.substr(0, firstLine.size() - 2) + "G0\r\n" + rest},
      {"non-hex digit, checksum still right",
       [&] {
         std::string line = firstLine;
         line[10] = 'g';  // 'g' would read as a value if only the checksum judged it
         return header + line + "\r\n" + rest;
       }()},
      {"count beyond the line's end", header + "S1FF0000" + firstLine.substr(8) + "\r\n" + rest},
      {"count zero", header + "S100" + "\r\n" + rest},
      {"count smaller than address plus checksum", header + "S1020000FD\r\n" + rest},
      {"line of two characters", header + "S1\r\n" + rest},
      {"line of two characters at the end", header + firstLine + "\r\nS1"},
      {"odd number of digits", header + firstLine.substr(0, firstLine.size() - 1) + "\r\n" + rest},
      {"record broken off at the end", good.substr(0, good.size() / 2)},
      {"text ends after the type digit", "S"},
      {"type 4", header + "S4" + firstLine.substr(2) + "\r\n" + rest},
      {"type 6", header + "S6" + firstLine.substr(2) + "\r\n" + rest},
      {"type not a digit", header + "SX" + firstLine.substr(2) + "\r\n" + rest},
      {"line not starting with S", header + "X" + firstLine.substr(1) + "\r\n" + rest},
      {"record cut short in the stream", MakeSRecordText(image.substr(0, 300))},
      {"huge count at the very end", header + "S1FF"},
  };
  for (const Case& c : cases) {
    messages.Clear();
    HAL_STRUCT read = kDefaultHalStruct;
    EXPECT_FALSE(Read(c.text, &read)) << c.what;
    EXPECT_TRUE(messages.Messages().empty()) << c.what;
    EXPECT_TRUE(SameRecord(read, kDefaultHalStruct)) << c.what;
    std::string patched = c.text;
    EXPECT_FALSE(Patch(&patched, ChangedRecord())) << c.what;
    EXPECT_EQ(patched, c.text) << c.what;
  }
}

// Data characters are decoded eight at a time: every non-hex character, at
// every position of such a block, must still be refused, and either case of
// the same digit must still be read.
TEST_F(SRecordTest, EveryNonHexCharacterAtEveryDataPositionIsRefused) {
  std::string image = RecordImage(SampleRecord(), false);
  std::string good = MakeSRecordText(image);
  std::string firstLine = SRecordLine(1, 0, image.substr(0, 16), false);
  size_t lineStart = good.find(firstLine);
  ASSERT_NE(lineStart, std::string::npos);
  HAL_STRUCT read;
  // Every character behind the count: address, data and checksum.
  for (size_t position = 4; position < firstLine.size(); ++position) {
    for (int c = 0; c < 256; ++c) {
      std::string text = good;
      char original = text[lineStart + position];
      text[lineStart + position] = static_cast<char>(c);
      bool sameDigit = tolower(c) == tolower(original) && isxdigit(c);
      messages.Clear();
      EXPECT_EQ(Read(text, &read), sameDigit) << "position " << position << " character " << c;
      // Another hex digit is a sound character with a wrong checksum; nothing
      // else reaches the checksum.
      std::vector<std::string> expected;
      if (isxdigit(c) && !sameDigit) expected.push_back("ERROR: Invalid checksum!");
      EXPECT_EQ(messages.Texts(), expected) << "position " << position << " character " << c;
    }
  }
}

// --- The reader against a plain reference on many generated files ---

namespace {

struct ReadOutcome {
  bool ok = false;
  std::string record;  // the 488 bytes read, in the program's own order
  std::vector<std::string> messages;
};

bool operator==(const ReadOutcome& a, const ReadOutcome& b) {
  return a.ok == b.ok && a.record == b.record && a.messages == b.messages;
}

std::ostream& operator<<(std::ostream& out, const ReadOutcome& r) {
  out << (r.ok ? "read" : "failed");
  for (const std::string& m : r.messages) out << "; " << m;
  return out;
}

// One S-record of the generated text as the reference sees it.
struct PlainRecord {
  std::string data;  // empty for S5-S9
  bool checksumRight;
};

// The reader's rules one byte at a time over records decoded beforehand:
// records are taken as the bytes are needed, and each taken record's checksum
// is checked; the ID is the first place where the stream read so far ends in
// it.
ReadOutcome ReferenceRead(const std::vector<PlainRecord>& records) {
  ReadOutcome outcome;
  size_t next = 0;
  std::string taken;
  std::string current;
  size_t index = 0;
  auto take = [&](size_t count) {
    while (count-- > 0) {
      while (index == current.size()) {
        if (next == records.size()) return false;
        if (!records[next].checksumRight) {
          outcome.messages.push_back("ERROR: Invalid checksum!");
          return false;
        }
        current = records[next++].data;
        index = 0;
      }
      taken += current[index++];
    }
    return true;
  };
  while (taken.size() < 12 || taken.compare(taken.size() - 12, 12, "5642 HAL EXE") != 0) {
    if (!take(1)) return outcome;
  }
  size_t start = taken.size() - 12;
  if (!take(8)) return outcome;
  unsigned marker = uint8_t(taken[start + 16]) | uint8_t(taken[start + 17]) << 8;
  if (marker != 0x1234 && marker != 0x3412) {
    char text[32];
    snprintf(text, sizeof text, "Invalid Endian %x", marker);
    outcome.messages.push_back(text);
    return outcome;
  }
  bool big = marker == 0x3412;
  unsigned low = uint8_t(taken[start + 18]);
  unsigned high = uint8_t(taken[start + 19]);
  unsigned size = big ? low << 8 | high : high << 8 | low;
  if (size != 488) {
    outcome.messages.push_back("Incorrect HAL_STRUCT version! [" + std::to_string(size) + " 488]");
    return outcome;
  }
  if (!take(488 - 20)) return outcome;
  HAL_STRUCT record;
  memcpy(&record, taken.data() + start, 488);
  if (big) {
    SwapRecord(&record);
    // Read from text, the Reserved words are words in the record's order too.
    for (uint16_t& word : record.Reserved) word = static_cast<uint16_t>(word << 8 | word >> 8);
  }
  memcpy(record.IdString, "5642 HAL EXE\0\0\0\0", 16);
  record.DetectEndian = 0x1234;
  record.Size = 488;
  outcome.ok = true;
  outcome.record.assign(reinterpret_cast<const char*>(&record), 488);
  return outcome;
}

template <typename Read>
ReadOutcome Outcome(Read read) {
  MessageRecorder messages;
  HAL_STRUCT record;
  ReadOutcome outcome;
  outcome.ok = read(&record);
  if (outcome.ok) outcome.record.assign(reinterpret_cast<const char*>(&record), 488);
  outcome.messages = messages.Texts();
  return outcome;
}

// A data stream of near misses and at most one candidate that decides (a
// record in either byte order, a wrong marker, a wrong Size, a record cut
// short), laid out over records of every data type and length, in either
// case, with any line ends or none, records without data in between, and
// now and then a wrong checksum.
std::string GeneratedText(std::mt19937& random, std::vector<PlainRecord>* records) {
  std::string stream;
  for (size_t pieces = random() % 6; pieces-- > 0;) {
    stream += std::string(random() % 40, '5');
    std::string miss = "5642 HAL EXE";
    miss.resize(1 + random() % 12);
    if (miss.size() == 12) miss[random() % 12] = '6';
    stream += miss;
  }
  HAL_STRUCT record = SampleRecord();
  record.ClkI = static_cast<uint32_t>(random());
  std::string image = RecordImage(record, random() % 2);
  switch (random() % 6) {
    case 0:
      image[16] = static_cast<char>(random());
      break;
    case 1:
      image[18] = static_cast<char>(random() % 4);
      break;
    case 2:
      image.resize(random() % 488);
      break;
    case 3:
      image.clear();
      break;
  }
  stream += image + std::string(random() % 300, '\x5A');

  std::string text;
  static const char* const kLineEnds[] = {"\r\n", "\n", "", "\n\n\r\r\n"};
  int maxLength = std::vector<int>{8, 32, 64, 250}[random() % 4];  // S3 holds 250 at most
  bool damage = random() % 4 == 0;
  auto add = [&](int type, const std::string& data) {
    std::string line = SRecordLine(type, static_cast<uint32_t>(random()), data, random() % 2);
    bool right = !(damage && random() % 20 == 0);
    if (!right) line[line.size() - 1] = line[line.size() - 1] == '0' ? '1' : '0';
    records->push_back({type <= 3 ? data : std::string(), right});
    text += line + kLineEnds[random() % 4];
  };
  for (size_t at = 0; at < stream.size();) {
    if (random() % 16 == 0) add(5, "");
    size_t length = std::min(stream.size() - at, size_t(random() % (maxLength + 1)));
    add(static_cast<int>(random() % 4), stream.substr(at, length));
    at += length;
  }
  add(9, "");
  return text;
}

}  // namespace

TEST(SRecordReadTest, WindowAndBufferReadersAgreeWithAPlainReferenceOnGeneratedFiles) {
  std::mt19937 random(1234);
  std::map<std::string, int> outcomes;
  for (int round = 0; round < 800; ++round) {
    std::vector<PlainRecord> records;
    std::string text = GeneratedText(random, &records);
    ReadOutcome expected = ReferenceRead(records);
    ++outcomes[expected.ok                 ? "read"
               : expected.messages.empty() ? "none"
                                           : expected.messages[0].substr(0, 10)];
    ASSERT_EQ(Outcome([&](HAL_STRUCT* record) { return Read(text, record); }), expected)
        << round << "\n"
        << text;
    for (size_t blockSize : {size_t(1), size_t(700), size_t(1) + random() % 5000}) {
      ASSERT_EQ(Outcome([&](HAL_STRUCT* record) {
                  ByteWindow window(TextSource(text), text.size(), blockSize);
                  return ReadSRecordHalIn(&window, record);
                }),
                expected)
          << round << " block " << blockSize << "\n"
          << text;
    }
  }
  EXPECT_GT(outcomes["read"], 200);
  EXPECT_GT(outcomes["none"], 50);
  EXPECT_GT(outcomes["ERROR: Inv"], 20);
  EXPECT_GT(outcomes["Incorrect "], 50);
  EXPECT_GT(outcomes["Invalid En"], 50);
}

TEST(SRecordReadTest, ShortReadEndsTheRead) {
  MessageRecorder messages;
  std::string text = MakeSRecordText(StreamAround(RecordImage(SampleRecord(), false)));
  ByteWindow window(TextSource(text, 600), text.size(), 100);
  HAL_STRUCT record;
  EXPECT_FALSE(ReadSRecordHalIn(&window, &record));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"ERROR: read 600 bytes of " + std::to_string(text.size())});
}
