#include "binary_record.h"

#include <string.h>

#include "../../common/message.h"
#include "file_io.h"
#include "file_messages.h"
#include "record.h"
#include "save_target.h"
#include "whole_file.h"

static unsigned LittleEndianU16(const uint8_t* bytes) {
  return static_cast<unsigned>(bytes[0] | bytes[1] << 8);
}

bool FindBinaryRecord(const uint8_t* buffer, size_t length, RecordLocation* found) {
  if (length < kHalStructSize) return false;
  static const char kId[] = HAL_ID_STRING;
  // Candidates start at 0 .. length - 488; memchr skips to the next possible
  // first character, so most of the image is passed over at memory speed.
  const uint8_t* candidate = buffer;
  const uint8_t* const end = buffer + (length - kHalStructSize) + 1;
  while (candidate < end) {
    candidate = static_cast<const uint8_t*>(
        memchr(candidate, kId[0], static_cast<size_t>(end - candidate)));
    if (!candidate) break;
    if (memcmp(candidate, kId, kHalIdLength) == 0) {
      unsigned marker = LittleEndianU16(candidate + 16);
      if (marker == kDetectEndianLittle || marker == kDetectEndianSwapped) {
        bool bigEndian = marker == kDetectEndianSwapped;
        unsigned size = LittleEndianU16(candidate + 18);
        if (bigEndian) size = ((size & 0xFF) << 8) | (size >> 8);
        if (size == kHalStructSize) {
          found->offset = static_cast<size_t>(candidate - buffer);
          found->bigEndian = bigEndian;
          return true;
        }
        ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_WRONG_VERSION, static_cast<int>(size),
                    static_cast<int>(kHalStructSize));
      }
    }
    ++candidate;
  }
  return false;
}

bool ReadBinaryHal(const uint8_t* buffer, size_t length, HAL_STRUCT* record,
                   RecordLocation* found) {
  if (!FindBinaryRecord(buffer, length, found)) return false;
  memcpy(record, buffer + found->offset, kHalStructSize);
  if (found->bigEndian) SwapRecord(record);
  return true;
}

bool WriteBinaryHal(const char* source, const char* target, bool preserveAddresses) {
  if (!PrepareSaveTarget(source, &target)) return false;

  RecordLocation location;
  {
    FileBuffer file;
    if (!ReadWholeFile(source, &file)) return false;
    HAL_STRUCT record;
    if (!ReadBinaryHal(file.data.get(), file.length, &record, &location)) {
      ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_HAL_INFO_NOT_FOUND, source);
      return false;
    }
    LoadedRecord = record;
  }

  // The bytes to write are made ready before the target is opened; the
  // working record itself stays as it is.
  HAL_STRUCT image = RecordToSave(preserveAddresses);
  if (location.bigEndian) SwapRecord(&image);
  return WriteIntoTarget(target, location.offset, &image, kHalStructSize);
}
