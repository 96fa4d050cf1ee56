// The S-record reader, the open of an S-record file and the S-record save's
// patch of the text, on any text.
//
// Properties: a failed read leaves the record it was given unchanged, and a
// failed open both records; a read gives the bytes that a plain decoding of
// the text finds behind the first ID of the data stream; the patch succeeds
// exactly when the read does, and a failed patch leaves the text unchanged; a
// patch keeps the length and changes only data and checksum characters of
// the S-records that hold the record, always to upper-case digits, with every
// rewritten line's checksum right, and reports the span from the first to the
// last character it changed; the patched text reads back as the values
// written (the ID, marker, Size and Reserved keep the file's own); patching
// with the values just read changes nothing but the letter case; saving the
// file gives it the patched text, or leaves it as it was when the patch fails;
// the text read through a window of small blocks gives what the whole text
// gives.
#include <ctype.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cfg/record/byte_window.h"
#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "cfg/record/srecord.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/temp_dir.h"

namespace {

// One S-record of the text as a plain line-by-line decoding sees it.
struct Line {
  size_t start;        // the "S"
  size_t dataChars;    // the first character of the data field
  unsigned dataBytes;  // data bytes (0 for S5, S7, S8, S9)
  size_t streamStart;  // where its data begins in the data stream
};

int HexValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ByteAt(const uint8_t* text, size_t at, unsigned* byte) {
  int high = HexValue(text[at]), low = HexValue(text[at + 1]);
  if (high < 0 || low < 0) return false;
  *byte = static_cast<unsigned>(high * 16 + low);
  return true;
}

// Decodes S-records from the start of the text until the first one that is
// not well formed (checksums are not looked at); data records add to stream.
std::vector<Line> DecodeLines(const uint8_t* text, size_t size, std::vector<uint8_t>* stream) {
  static const unsigned kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 0, 4, 3, 2};
  std::vector<Line> lines;
  size_t at = 0;
  for (;;) {
    while (at < size && (text[at] == '\r' || text[at] == '\n')) ++at;
    if (size - at < 4 || text[at] != 'S' || text[at + 1] < '0' || text[at + 1] > '9') break;
    unsigned type = text[at + 1] - '0';
    unsigned count = 0;
    if (kAddressBytes[type] == 0 || !ByteAt(text, at + 2, &count)) break;
    if (count < kAddressBytes[type] + 1 || (size - at - 4) / 2 < count) break;
    Line line{at, at + 4 + 2 * kAddressBytes[type], 0, stream->size()};
    bool wellFormed = true;
    for (unsigned i = 0; i < count && wellFormed; ++i) {
      unsigned byte;
      wellFormed = ByteAt(text, at + 4 + 2 * i, &byte);
    }
    if (!wellFormed) break;
    if (type <= 3) {
      line.dataBytes = count - kAddressBytes[type] - 1;
      for (unsigned i = 0; i < line.dataBytes; ++i) {
        unsigned byte;
        ByteAt(text, line.dataChars + 2 * i, &byte);
        stream->push_back(static_cast<uint8_t>(byte));
      }
    }
    lines.push_back(line);
    at += 4 + 2 * size_t(count);
  }
  return lines;
}

bool ChecksumRight(const uint8_t* text, const Line& line) {
  unsigned count, byte, sum = 0;
  ByteAt(text, line.start + 2, &count);
  sum = count;
  for (unsigned i = 0; i + 1 < count; ++i) {
    ByteAt(text, line.start + 4 + 2 * i, &byte);
    sum += byte;
  }
  ByteAt(text, line.start + 4 + 2 * (count - 1), &byte);
  return byte == (~sum & 0xFF);
}

// The line whose characters hold position at.
const Line& LineHolding(const std::vector<Line>& lines, size_t at) {
  auto after =
      std::upper_bound(lines.begin(), lines.end(), at,
                       [](size_t position, const Line& line) { return position < line.start; });
  FUZZ_CHECK(after != lines.begin());
  return *(after - 1);
}

// Where the record lies in the data stream: from the first ID on, 488 bytes.
struct StreamRecord {
  size_t start;
  bool bigEndian;
};

StreamRecord FindInStream(const std::vector<uint8_t>& stream) {
  const uint8_t* id = reinterpret_cast<const uint8_t*>(HAL_ID_STRING);
  auto found = std::search(stream.begin(), stream.end(), id, id + kHalIdLength);
  FUZZ_CHECK(found != stream.end());
  size_t start = static_cast<size_t>(found - stream.begin());
  FUZZ_CHECK(start + kHalStructSize <= stream.size());
  return {start, stream[start + 16] == 0x12};
}

// The patch the S-record save makes in its buffer. The span it reports (the
// characters the save writes) runs from the first to the last one changed.
bool PatchText(std::vector<uint8_t>* text, const HAL_STRUCT& values) {
  const std::vector<uint8_t> before = *text;
  TextSpan changed{7, 3};
  if (!PatchSRecordHal(text->data(), text->size(), values, &changed)) return false;
  auto first = std::mismatch(before.begin(), before.end(), text->begin()).first;
  if (first == before.end()) {
    FUZZ_CHECK(changed.begin == changed.end);
    return true;
  }
  auto last = std::mismatch(before.rbegin(), before.rend(), text->rbegin()).first;
  FUZZ_CHECK(changed.begin == static_cast<size_t>(first - before.begin()));
  FUZZ_CHECK(changed.end == static_cast<size_t>(before.rend() - last));
  return true;
}

void CheckPatched(const uint8_t* text, size_t size, const std::vector<uint8_t>& patched,
                  const HAL_STRUCT& read, const HAL_STRUCT& values) {
  std::vector<uint8_t> stream;
  std::vector<Line> lines = DecodeLines(text, size, &stream);
  StreamRecord record = FindInStream(stream);
  // Flags up to PowerOnDelay are written; the ID, marker, Size and the
  // Reserved words keep their bytes.
  const size_t writtenStart = record.start + 20;
  const size_t writtenEnd = record.start + kHalStructSize - 6;

  std::vector<const Line*> rewritten;
  for (size_t at = 0; at < size; ++at) {
    if (patched[at] == text[at]) continue;
    FUZZ_CHECK(isxdigit(patched[at]) && !islower(patched[at]));
    const Line& line = LineHolding(lines, at);
    FUZZ_CHECK(at >= line.dataChars && at < line.dataChars + 2 * size_t(line.dataBytes) + 2);
    FUZZ_CHECK(line.streamStart < record.start + kHalStructSize &&
               line.streamStart + line.dataBytes > record.start);
    size_t byte = line.streamStart + (at - line.dataChars) / 2;
    bool isChecksum = at >= line.dataChars + 2 * size_t(line.dataBytes);
    if (!isChecksum && (byte < writtenStart || byte >= writtenEnd))
      FUZZ_CHECK(patched[at] == toupper(text[at]));
    if (rewritten.empty() || rewritten.back() != &line) rewritten.push_back(&line);
  }
  for (const Line* line : rewritten) FUZZ_CHECK(ChecksumRight(patched.data(), *line));

  HAL_STRUCT reread;
  FUZZ_CHECK(ReadSRecordHal(patched.data(), patched.size(), &reread));
  FUZZ_CHECK(SavedFieldsEqual(reread, values));
  FUZZ_CHECK(memcmp(reread.Reserved, read.Reserved, sizeof read.Reserved) == 0);
  FUZZ_CHECK(memcmp(reread.IdString, read.IdString, sizeof read.IdString) == 0);
}

// The record read must be the 488 stream bytes behind the first ID.
void CheckRead(const uint8_t* text, size_t size, const HAL_STRUCT& read) {
  std::vector<uint8_t> stream;
  DecodeLines(text, size, &stream);
  StreamRecord found = FindInStream(stream);
  HAL_STRUCT expected;
  memcpy(&expected, stream.data() + found.start, sizeof expected);
  if (found.bigEndian) {
    SwapRecord(&expected);
    // Unlike the conversion of a binary record, the S-record reader takes
    // the Reserved words as u16s in the record's order too.
    for (uint16_t& word : expected.Reserved) word = static_cast<uint16_t>(word << 8 | word >> 8);
  }
  FUZZ_CHECK(SavedFieldsEqual(read, expected));
  FUZZ_CHECK(memcmp(read.Reserved, expected.Reserved, sizeof read.Reserved) == 0);
  FUZZ_CHECK(read.DetectEndian == kDetectEndianLittle && read.Size == kHalStructSize);
  FUZZ_CHECK(memcmp(read.IdString, HAL_ID_STRING, kHalIdLength) == 0);
}

// Opening the file: both records change exactly when the read succeeds.
void CheckOpen(const uint8_t* data, size_t size, bool readOk, const HAL_STRUCT& read,
               uint64_t seed) {
  static const std::string path = ScratchPath("program.S9");
  if (!WriteScratchFile(path, data, size)) return;
  const HAL_STRUCT loaded = RecordFromSeed(seed + 2);
  const HAL_STRUCT working = RecordFromSeed(seed + 3);
  Configuration config;
  HAL_STRUCT& LoadedRecord = config.LoadedRecord;
  HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  LoadedRecord = loaded;
  WorkingRecord = working;
  FUZZ_CHECK(OpenConfigFile(config, path.c_str(), kStorageSRecord) == readOk);
  FUZZ_CHECK(memcmp(&LoadedRecord, readOk ? &read : &loaded, sizeof read) == 0);
  FUZZ_CHECK(memcmp(&WorkingRecord, readOk ? &read : &working, sizeof read) == 0);
}

// Saving the values into the file: it then holds the patched text (null when
// the patch failed, and the file must stay as it was).
void CheckSave(const uint8_t* data, size_t size, const std::vector<uint8_t>* patched,
               const HAL_STRUCT& values) {
  static const std::string path = ScratchPath("saved.S9");
  if (!WriteScratchFile(path, data, size)) return;
  Configuration config;
  config.WorkingRecord = values;
  FUZZ_CHECK(SaveConfigFile(config, path.c_str(), nullptr, false, kStorageSRecord) ==
             (patched != nullptr));
  const std::string after = ReadFileBytes(path);
  const uint8_t* expected = patched ? patched->data() : data;
  FUZZ_CHECK(after.size() == size && (size == 0 || memcmp(after.data(), expected, size) == 0));
}

// The text delivered a few bytes at a time, as a large file is read.
void CheckInBlocks(const uint8_t* data, size_t size, bool readOk, const HAL_STRUCT& read,
                   uint64_t seed) {
  ByteWindow window(ReadFromMemory(data, size), size, 1 + static_cast<size_t>(seed >> 8) % 700);
  HAL_STRUCT inBlocks = RecordFromSeed(seed);
  const HAL_STRUCT untouched = inBlocks;
  FUZZ_CHECK(ReadSRecordHalIn(&window, &inBlocks) == readOk);
  FUZZ_CHECK(memcmp(&inBlocks, readOk ? &read : &untouched, sizeof read) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const uint64_t seed = InputHash(data, size);
  const HAL_STRUCT untouched = RecordFromSeed(seed);
  HAL_STRUCT read = untouched;
  const bool readOk = ReadSRecordHal(data, size, &read);
  if (!readOk)
    FUZZ_CHECK(memcmp(&read, &untouched, sizeof read) == 0);
  else
    CheckRead(data, size, read);
  CheckInBlocks(data, size, readOk, read, seed);
  // Going through a file costs more than all the rest; one input in eight
  // (chosen by its content) is opened as a file too.
  if (seed % 8 == 0) CheckOpen(data, size, readOk, read, seed);

  const HAL_STRUCT values = RecordFromSeed(seed + 1);
  std::vector<uint8_t> patched(data, data + size);
  const bool patchOk = PatchText(&patched, values);
  FUZZ_CHECK(patchOk == readOk);
  FUZZ_CHECK(patched.size() == size);
  if (seed % 8 == 0) CheckSave(data, size, patchOk ? &patched : nullptr, values);
  if (!patchOk) {
    FUZZ_CHECK(std::equal(patched.begin(), patched.end(), data));
    return 0;
  }
  CheckPatched(data, size, patched, read, values);

  // Writing back what was read changes only the letter case.
  std::vector<uint8_t> same(data, data + size);
  FUZZ_CHECK(PatchText(&same, read));
  for (size_t at = 0; at < size; ++at)
    FUZZ_CHECK(same[at] == toupper(data[at]) || same[at] == data[at]);
  return 0;
}
