// The binary record search, the open of a binary program file and the
// binary save, on any file content.
//
// Properties: the search finds exactly the first offset holding the ID, a
// byte-order marker and Size 488, with one version message per candidate of
// another size before it; a failed open leaves both records unchanged and a
// successful one loads the record found (in little-endian order) into both; a
// save changes at most the 488 bytes at the record's offset, and writes there
// the working record in the file's byte order, which the save itself leaves
// unchanged; a file that ends before the length it was opened with (cut
// while it is read) gives the record only where the whole file does, and
// otherwise says how much it read.
#include <string.h>

#include <algorithm>

#include "cfg/record/binary_record.h"
#include "cfg/record/byte_window.h"
#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/temp_dir.h"

namespace {

bool SameBytes(const uint8_t* a, const uint8_t* b, size_t length) {
  return length == 0 || memcmp(a, b, length) == 0;
}

struct Expected {
  bool found = false;
  size_t offset = 0;
  bool bigEndian = false;
  int versionMessages = 0;
};

// The search as plainly as it can be written: every offset in turn.
Expected SearchEveryOffset(const uint8_t* data, size_t size) {
  Expected expected;
  for (size_t offset = 0; offset + kHalStructSize <= size; ++offset) {
    const uint8_t* at = data + offset;
    if (memcmp(at, HAL_ID_STRING, kHalIdLength) != 0) continue;
    bool little = at[16] == 0x34 && at[17] == 0x12;
    bool big = at[16] == 0x12 && at[17] == 0x34;
    if (!little && !big) continue;
    unsigned recordSize = little ? at[18] | at[19] << 8 : at[18] << 8 | at[19];
    if (recordSize != kHalStructSize) {
      ++expected.versionMessages;
      continue;
    }
    expected.found = true;
    expected.offset = offset;
    expected.bigEndian = big;
    break;
  }
  return expected;
}

HAL_STRUCT RecordAt(const uint8_t* data, const Expected& expected) {
  HAL_STRUCT record;
  memcpy(&record, data + expected.offset, sizeof record);
  if (expected.bigEndian) SwapRecord(&record);
  return record;
}

void CheckSearch(const uint8_t* data, size_t size, const Expected& expected) {
  QuietMessages();
  RecordLocation location{0, false, nullptr};
  bool found = FindBinaryRecord(data, size, &location);
  FUZZ_CHECK(found == expected.found);
  FUZZ_CHECK(MessagesShown() == expected.versionMessages);
  if (found) {
    FUZZ_CHECK(location.offset == expected.offset);
    FUZZ_CHECK(location.bigEndian == expected.bigEndian);
  }
}

void CheckOpen(const std::string& path, const uint8_t* data, const Expected& expected,
               uint64_t seed) {
  const HAL_STRUCT loadedBefore = RecordFromSeed(seed);
  const HAL_STRUCT workingBefore = RecordFromSeed(seed + 1);
  Configuration config;
  HAL_STRUCT& LoadedRecord = config.LoadedRecord;
  HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  LoadedRecord = loadedBefore;
  WorkingRecord = workingBefore;
  QuietMessages();
  bool opened = OpenConfigFile(config, path.c_str(), kStorageBinary);
  FUZZ_CHECK(opened == expected.found);
  if (!opened) {
    FUZZ_CHECK(memcmp(&LoadedRecord, &loadedBefore, sizeof LoadedRecord) == 0);
    FUZZ_CHECK(memcmp(&WorkingRecord, &workingBefore, sizeof WorkingRecord) == 0);
    FUZZ_CHECK(MessageShownStartingWith("ERROR: File \""));
    return;
  }
  HAL_STRUCT inFile = RecordAt(data, expected);
  FUZZ_CHECK(memcmp(&LoadedRecord, &inFile, sizeof inFile) == 0);
  FUZZ_CHECK(memcmp(&WorkingRecord, &inFile, sizeof inFile) == 0);
}

void CheckSave(const std::string& path, const uint8_t* data, size_t size, const Expected& expected,
               uint64_t seed) {
  const HAL_STRUCT working = RecordFromSeed(seed + 2);
  const bool preserveAddresses = seed & 1;
  Configuration config;
  HAL_STRUCT& LoadedRecord = config.LoadedRecord;
  HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  LoadedRecord = RecordFromSeed(seed + 3);
  WorkingRecord = working;
  QuietMessages();
  bool saved = SaveConfigFile(config, path.c_str(), nullptr, preserveAddresses, kStorageBinary);
  FUZZ_CHECK(saved == expected.found);
  FUZZ_CHECK(memcmp(&WorkingRecord, &working, sizeof working) == 0);

  const std::string text = ReadFileBytes(path);
  const uint8_t* after = reinterpret_cast<const uint8_t*>(text.data());
  FUZZ_CHECK(text.size() == size);
  if (!saved) {
    FUZZ_CHECK(SameBytes(after, data, size));
    return;
  }
  // Nothing outside the record's 488 bytes moved.
  const size_t end = expected.offset + kHalStructSize;
  FUZZ_CHECK(SameBytes(after, data, expected.offset));
  FUZZ_CHECK(SameBytes(after + end, data + end, size - end));

  // The loaded record was refreshed from the file before the write.
  HAL_STRUCT before = RecordAt(data, expected);
  FUZZ_CHECK(memcmp(&LoadedRecord, &before, sizeof before) == 0);
  HAL_STRUCT written = RecordAt(after, expected);
  HAL_STRUCT wanted = working;
  if (preserveAddresses) {
    wanted.RegAddr = before.RegAddr;
    wanted.DispMemAddr = before.DispMemAddr;
  }
  FUZZ_CHECK(memcmp(&written, &wanted, sizeof wanted) == 0);
}

}  // namespace

void CheckCutShort(const uint8_t* data, size_t size, const Expected& expected, uint64_t seed) {
  if (size == 0) return;
  const size_t held = static_cast<size_t>(seed % size);
  QuietMessages();
  // Small blocks, so that the cut falls anywhere among them.
  ByteWindow window(ReadFromMemory(data, held), size, 64 + static_cast<size_t>(seed >> 8) % 1024);
  RecordLocation location{0, false, nullptr};
  if (FindBinaryRecordIn(&window, &location)) {
    FUZZ_CHECK(expected.found && location.offset == expected.offset);
    FUZZ_CHECK(location.offset + kHalStructSize <= held);
  } else if (expected.found) {
    FUZZ_CHECK(MessageShownStartingWith("ERROR: read "));
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchPath("program.exe");
  const Expected expected = SearchEveryOffset(data, size);
  CheckSearch(data, size, expected);
  if (!WriteScratchFile(path, data, size)) return 0;
  const uint64_t seed = InputHash(data, size);
  CheckOpen(path, data, expected, seed);
  CheckSave(path, data, size, expected, seed);
  CheckCutShort(data, size, expected, seed);
  return 0;
}
