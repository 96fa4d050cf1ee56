#include "cfg/record/binary_record.h"

#include <string.h>

#include "cfg/record/byte_window.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/id_search.h"
#include "cfg/record/record.h"
#include "cfg/record/save_target.h"
#include "common/message.h"

namespace {

unsigned LittleEndianU16(const uint8_t* bytes) {
  return static_cast<unsigned>(bytes[0] | bytes[1] << 8);
}

// Looks at the candidates that start at bytes[0 .. count - 1], each with 488
// bytes behind it, in order, and gives the index of the first valid record
// (or count). Each candidate with a marker but another Size is reported.
size_t FindInCandidates(const uint8_t* bytes, size_t count, bool* bigEndian) {
  const uint8_t* const end = bytes + count;
  const uint8_t* candidate = bytes;
  while (candidate < end &&
         (candidate = FindRecordId(candidate, end + kHalIdLength - 1)) != nullptr) {
    unsigned marker = LittleEndianU16(candidate + 16);
    if (marker == kDetectEndianLittle || marker == kDetectEndianSwapped) {
      *bigEndian = marker == kDetectEndianSwapped;
      unsigned size = LittleEndianU16(candidate + 18);
      if (*bigEndian) size = ((size & 0xFF) << 8) | (size >> 8);
      if (size == kHalStructSize) return static_cast<size_t>(candidate - bytes);
      ShowMessage(kMsgOk | kMsgIconError, MSG_WRONG_VERSION, static_cast<int>(size),
                  static_cast<int>(kHalStructSize));
    }
    ++candidate;
  }
  return count;
}

size_t CandidatesIn(size_t length) {
  return length < kHalStructSize ? 0 : length - kHalStructSize + 1;
}

}  // namespace

bool FindBinaryRecord(const uint8_t* buffer, size_t length, RecordLocation* found) {
  ByteWindow window(buffer, length);
  return FindBinaryRecordIn(&window, found);
}

bool FindBinaryRecordIn(ByteWindow* window, RecordLocation* found) {
  for (;;) {
    // The last 487 bytes of a block start no whole candidate yet: they are
    // carried into the next block.
    size_t candidates = CandidatesIn(window->Size());
    bool bigEndian = false;
    size_t at = FindInCandidates(window->Data(), candidates, &bigEndian);
    if (at < candidates) {
      found->offset = window->Start() + at;
      found->bigEndian = bigEndian;
      found->bytes = window->Data() + at;
      return true;
    }
    if (!window->Advance(candidates)) return false;
  }
}

bool ReadBinaryHal(const uint8_t* buffer, size_t length, HAL_STRUCT* record,
                   RecordLocation* found) {
  ByteWindow window(buffer, length);
  return ReadBinaryHalIn(&window, record, found);
}

bool ReadBinaryHalIn(ByteWindow* window, HAL_STRUCT* record, RecordLocation* found) {
  if (!FindBinaryRecordIn(window, found)) return false;
  memcpy(record, found->bytes, kHalStructSize);
  if (found->bigEndian) SwapRecord(record);
  return true;
}

RecordSearch ReadBinaryHalFromFile(const char* path, HAL_STRUCT* record, RecordLocation* found) {
  std::unique_ptr<ByteWindow> window = OpenFileWindow(path);
  if (!window) return RecordSearch::kUnreadable;
  if (ReadBinaryHalIn(window.get(), record, found)) return RecordSearch::kFound;
  return window->Failed() ? RecordSearch::kUnreadable : RecordSearch::kNotFound;
}

bool WriteBinaryHal(Configuration& config, const char* source, const char* target,
                    bool preserveAddresses) {
  if (!PrepareSaveTarget(source, &target)) return false;

  RecordLocation location;
  HAL_STRUCT record;
  switch (ReadBinaryHalFromFile(source, &record, &location)) {
    case RecordSearch::kUnreadable:
      return false;
    case RecordSearch::kNotFound:
      ShowMessage(kMsgOk | kMsgIconError, MSG_HAL_INFO_NOT_FOUND, source);
      return false;
    case RecordSearch::kFound:
      break;
  }
  config.LoadedRecord = record;

  // The bytes to write are made ready before the target is opened; the
  // working record itself stays as it is.
  HAL_STRUCT image = RecordToSave(config, preserveAddresses);
  if (location.bigEndian) SwapRecord(&image);
  return WriteIntoTarget(target, location.offset, &image, kHalStructSize);
}
