#include "cfg/record/srecord.h"

#include <stddef.h>
#include <string.h>

#include <algorithm>
#include <memory>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cfg/record/byte_window.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/hex_decode.h"
#include "cfg/record/save_target.h"
#include "common/message.h"

namespace {

const char kUpperHex[] = "0123456789ABCDEF";

// Address bytes by record type; 0 marks the types that make a file unusable.
const unsigned kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 0, 4, 3, 2};
bool IsDataRecordType(unsigned type) {
  return type <= 3;
}

// The longest S-record: "S", the type, and 255 bytes of two characters each.
const size_t kLongestRecord = 4 + 2 * 255;

// One pass over an S-record text: the current record and the next data byte.
// text and length are the part of the text the window shows; cursor and
// lineStart count from its start.
struct SRecordReader {
  ByteWindow* window;
  const uint8_t* text;
  size_t length;
  size_t cursor;
  size_t lineStart;
  unsigned type;
  unsigned addressBytes;
  uint32_t address;
  unsigned headerSum;  // count byte plus address bytes, for a new checksum
  // The current record's bytes behind the count: address, data, checksum;
  // the decoder and the search may run past them into the spare bytes.
  uint8_t line[256 + kDecodeSpareBytes];
  unsigned dataCount;
  unsigned dataIndex;
  bool bigEndian;
  // The record byte that the next byte taken is, once the ID has been found.
  long recordIndex;
  // Where the lines holding the stored fields are noted (may be null), and
  // whether the current line is noted already.
  SRecordPlace* place;
  bool lineNoted;

  uint8_t* Data() { return line + addressBytes; }
  const uint8_t* Data() const { return line + addressBytes; }
};

void ResetReader(SRecordReader* reader, ByteWindow* window, SRecordPlace* place) {
  memset(reader, 0, sizeof *reader);
  reader->window = window;
  reader->place = place;
  reader->text = window->Data();
  reader->length = window->Size();
}

// Moves the window on so that it shows the text from cursor on. False when
// nothing more came.
bool MoveWindowToCursor(SRecordReader* reader) {
  bool moved = reader->window->Advance(reader->cursor);
  reader->text = reader->window->Data();
  reader->length = reader->window->Size();
  if (moved) reader->cursor = 0;
  return moved;
}

// Reads records until the next data record (S0-S3); records without data
// (S5, S7, S8, S9) only have their checksum checked. Every character of a
// record must be a hexadecimal digit inside the text, and the count must
// cover at least the address and the checksum.
bool ReadNextRecord(SRecordReader* reader) {
  for (;;) {
    size_t cursor = reader->cursor;
    while (cursor < reader->length &&
           (reader->text[cursor] == '\r' || reader->text[cursor] == '\n'))
      ++cursor;
    // The whole record must be in view, unless the text ends before.
    if (reader->length - cursor < kLongestRecord && !reader->window->AtEnd()) {
      reader->cursor = cursor;
      if (MoveWindowToCursor(reader)) continue;
      if (reader->window->Failed()) return false;
    }
    const uint8_t* const text = reader->text;
    const size_t length = reader->length;
    // "S", the type digit and the two count characters.
    if (length - cursor < 4 || text[cursor] != 'S') return false;
    reader->lineStart = cursor;
    unsigned type = static_cast<unsigned>(text[cursor + 1] - '0');
    if (type > 9 || kAddressBytes[type] == 0) return false;
    unsigned addressBytes = kAddressBytes[type];
    unsigned count = HexPair(text[cursor + 2], text[cursor + 3]);
    if ((count & kNotHexPair) || count < addressBytes + 1) return false;
    cursor += 4;
    if ((length - cursor) / 2 < count) return false;

    unsigned sum = count;
    if (!DecodeHexBytes(text + cursor, length - cursor, count, reader->line, &sum)) return false;
    reader->cursor = cursor + 2 * size_t(count);

    uint8_t checksum = reader->line[count - 1];
    sum -= checksum;
    if (checksum != static_cast<uint8_t>(~sum)) {
      ShowMessage(kMsgOk | kMsgIconError, MSG_INVALID_CHECKSUM);
      return false;
    }
    // Bytes between the address and the checksum of a record without data
    // count in its checksum and are passed over.
    if (IsDataRecordType(type)) {
      reader->type = type;
      reader->addressBytes = addressBytes;
      reader->address = 0;
      reader->headerSum = count;
      for (unsigned i = 0; i < addressBytes; ++i) {
        reader->address = reader->address << 8 | reader->line[i];
        reader->headerSum += reader->line[i];
      }
      reader->dataCount = count - addressBytes - 1;
      reader->dataIndex = 0;
      reader->lineNoted = false;
      return true;
    }
  }
}

// The index of the first ID character in data[from .. count - 1], or count.
// data lies in a reader's line, which has room for a vector behind any index.
unsigned FindFirstIdByte(const uint8_t* data, unsigned from, unsigned count) {
  const uint8_t kFirst = HAL_ID_STRING[0];
#if defined(__SSE2__)
  for (unsigned at = from; at < count; at += 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
    unsigned hits = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(kFirst)))));
    if (count - at < 16) hits &= (1u << (count - at)) - 1;
    if (hits) return at + static_cast<unsigned>(__builtin_ctz(hits));
  }
  return count;
#else
  while (from < count && data[from] != kFirst) ++from;
  return from;
#endif
}

// The record's stored fields, Flags to PowerOnDelay, lie at these bytes.
const long kStoredBegin = offsetof(HAL_STRUCT, Flags);
const long kStoredEnd = offsetof(HAL_STRUCT, Reserved);
// The marker and Size end at these bytes.
const long kMarkerEnd = offsetof(HAL_STRUCT, Size);
const long kSizeEnd = offsetof(HAL_STRUCT, Flags);

// Notes the current line in the reader's place: where its data characters
// lie in the text and what they are now.
void NoteLine(SRecordReader* reader) {
  size_t dataStart = reader->lineStart + 4 + 2 * size_t(reader->addressBytes);
  const uint8_t* characters = reader->text + dataStart;
  reader->place->lines.push_back(SRecordLine{
      reader->window->Start() + dataStart, reader->recordIndex - long(reader->dataIndex),
      reader->headerSum, std::string(characters, characters + 2 * size_t(reader->dataCount) + 2)});
  reader->lineNoted = true;
}

bool TakeByte(SRecordReader* reader, uint8_t* byte) {
  while (reader->dataIndex >= reader->dataCount) {
    if (!ReadNextRecord(reader)) return false;
  }
  if (reader->place && !reader->lineNoted && reader->recordIndex >= kStoredBegin &&
      reader->recordIndex < kStoredEnd)
    NoteLine(reader);
  *byte = reader->Data()[reader->dataIndex++];
  ++reader->recordIndex;
  return true;
}

// Moves the reader past the first record's ID in the data stream.
bool FindRecordIdInStream(SRecordReader* reader) {
  static const char kId[] = HAL_ID_STRING;
  // The ID has no prefix that is also its suffix, so after a mismatch the
  // search starts again at the current byte.
  unsigned matched = 0;
  while (matched < kHalIdLength) {
    while (reader->dataIndex >= reader->dataCount) {
      if (!ReadNextRecord(reader)) return false;
    }
    const uint8_t* data = reader->Data();
    unsigned index = reader->dataIndex;
    const unsigned count = reader->dataCount;
    while (index < count && matched < kHalIdLength) {
      if (matched == 0) {
        // Outside a match only the ID's first character matters.
        index = FindFirstIdByte(data, index, count);
        if (index == count) break;
        ++index;
        matched = 1;
        continue;
      }
      uint8_t byte = data[index++];
      if (byte == static_cast<uint8_t>(kId[matched])) {
        ++matched;
      } else {
        matched = byte == static_cast<uint8_t>(kId[0]) ? 1 : 0;
      }
    }
    reader->dataIndex = index;
  }
  reader->recordIndex = kHalIdLength;
  return true;
}

// Takes the record's bytes behind the ID into image (which keeps the ID),
// checking the marker and Size as soon as they are in.
bool TakeRecordImage(SRecordReader* reader, uint8_t* image) {
  if (!FindRecordIdInStream(reader)) return false;
  memcpy(image, HAL_ID_STRING, kHalIdLength);
  for (long at = kHalIdLength; at < kHalStructSize; ++at) {
    if (!TakeByte(reader, &image[at])) return false;
    if (at == kMarkerEnd - 1) {
      unsigned marker = image[at - 1] + 256u * image[at];
      if (marker != kDetectEndianLittle && marker != kDetectEndianSwapped) {
        ShowMessage(kMsgOk | kMsgIconError, MSG_INVALID_ENDIAN, marker);
        return false;
      }
      reader->bigEndian = marker == kDetectEndianSwapped;
    } else if (at == kSizeEnd - 1) {
      unsigned size =
          reader->bigEndian ? image[at - 1] << 8 | image[at] : image[at] << 8 | image[at - 1];
      if (size != kHalStructSize) {
        ShowMessage(kMsgOk | kMsgIconError, MSG_WRONG_VERSION, static_cast<int>(size),
                    static_cast<int>(kHalStructSize));
        return false;
      }
    }
  }
  return true;
}

// Calls visit on each field behind Size in the record's order, the reading
// and the writing of the image thus sharing one layout.
template <typename Record, typename Visit>
void ForEachStoredField(Record& record, Visit visit) {
  visit(record.Flags);
  for (auto& entry : record.Regs) {
    visit(entry.Index);
    visit(entry.Value);
  }
  for (auto& byte : record.GcpData) visit(byte);
  visit(record.ClkI);
  visit(record.ClkI2);
  visit(record.BusClk);
  visit(record.RegAddr);
  visit(record.DispMemAddr);
  visit(record.FrameRate);
  visit(record.PowerOffDelay);
  visit(record.PowerOnDelay);
  for (auto& word : record.Reserved) visit(word);
}

// The record in image, a field at a time in the image's byte order (the
// Reserved words too).
HAL_STRUCT RecordFromImage(const uint8_t* image, bool bigEndian) {
  HAL_STRUCT record;
  memset(&record, 0, sizeof record);
  const uint8_t* at = image + kStoredBegin;
  ForEachStoredField(record, [&](auto& field) {
    const size_t width = sizeof field;
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
      value |= uint32_t(at[i]) << (8 * (bigEndian ? width - 1 - i : i));
    field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    at += width;
  });
  memcpy(record.IdString, HAL_ID_STRING, kHalIdLength);
  record.DetectEndian = kDetectEndianLittle;
  record.Size = kHalStructSize;
  return record;
}

// The fields of record into image in the given byte order.
void RecordIntoImage(const HAL_STRUCT& record, bool bigEndian, uint8_t* image) {
  uint8_t* at = image + kStoredBegin;
  ForEachStoredField(record, [&](const auto& field) {
    const size_t width = sizeof field;
    for (size_t i = 0; i < width; ++i)
      at[i] = static_cast<uint8_t>(uint32_t(field) >> (8 * (bigEndian ? width - 1 - i : i)));
    at += width;
  });
}

// The data and checksum characters of a noted line that hold values' bytes.
std::string RewrittenLine(const SRecordLine& line, const uint8_t* image) {
  unsigned count = static_cast<unsigned>(line.characters.size() / 2 - 1);
  uint8_t bytes[256];
  unsigned ignored = 0;
  DecodeHexBytesPlain(reinterpret_cast<const uint8_t*>(line.characters.data()), count, bytes,
                      &ignored);
  unsigned sum = line.headerSum;
  for (unsigned i = 0; i < count; ++i) {
    long index = line.firstIndex + long(i);
    if (index >= kStoredBegin && index < kStoredEnd) bytes[i] = image[index];
    sum += bytes[i];
  }
  bytes[count] = static_cast<uint8_t>(~sum);
  std::string characters(2 * size_t(count) + 2, '0');
  for (unsigned i = 0; i <= count; ++i) {
    characters[2 * i] = kUpperHex[bytes[i] >> 4];
    characters[2 * i + 1] = kUpperHex[bytes[i] & 0xF];
  }
  return characters;
}

}  // namespace

bool ReadSRecordHal(const uint8_t* text, size_t length, HAL_STRUCT* record) {
  ByteWindow window(text, length);
  return ReadSRecordHalIn(&window, record);
}

bool ReadSRecordHalFromFile(const char* path, HAL_STRUCT* record) {
  std::unique_ptr<ByteWindow> window = OpenFileWindow(path);
  return window && ReadSRecordHalIn(window.get(), record);
}

bool ReadSRecordHalIn(ByteWindow* window, HAL_STRUCT* record, SRecordPlace* place) {
  SRecordReader reader;
  ResetReader(&reader, window, place);
  if (place) place->lines.clear();
  uint8_t image[kHalStructSize];
  if (!TakeRecordImage(&reader, image)) return false;
  if (place) place->bigEndian = reader.bigEndian;
  *record = RecordFromImage(image, reader.bigEndian);
  return true;
}

std::vector<FilePatch> SRecordPatches(const SRecordPlace& place, const HAL_STRUCT& values) {
  uint8_t image[kHalStructSize];
  RecordIntoImage(values, place.bigEndian, image);
  std::vector<FilePatch> patches;
  for (const SRecordLine& line : place.lines) {
    std::string rewritten = RewrittenLine(line, image);
    size_t first = 0;
    size_t end = rewritten.size();
    while (first < end && rewritten[first] == line.characters[first]) ++first;
    while (end > first && rewritten[end - 1] == line.characters[end - 1]) --end;
    if (first == end) continue;
    patches.push_back(FilePatch{
        line.dataOffset + first,
        std::vector<uint8_t>(rewritten.begin() + long(first), rewritten.begin() + long(end))});
  }
  return patches;
}

bool PatchSRecordHal(uint8_t* text, size_t length, const HAL_STRUCT& values, TextSpan* changed) {
  ByteWindow window(text, length);
  HAL_STRUCT read;
  SRecordPlace place;
  if (!ReadSRecordHalIn(&window, &read, &place)) return false;
  std::vector<FilePatch> patches = SRecordPatches(place, values);
  for (const FilePatch& patch : patches)
    std::copy(patch.bytes.begin(), patch.bytes.end(), text + patch.offset);
  if (changed) {
    *changed = patches.empty()
                   ? TextSpan{0, 0}
                   : TextSpan{size_t(patches.front().offset),
                              size_t(patches.back().offset + patches.back().bytes.size())};
  }
  return true;
}

bool WriteSRecordHal(Configuration& config, const char* source, const char* target,
                     bool preserveAddresses) {
  if (!PrepareSaveTarget(source, &target)) return false;

  std::unique_ptr<ByteWindow> window = OpenFileWindow(source);
  if (!window) return false;
  HAL_STRUCT record;
  SRecordPlace place;
  if (!ReadSRecordHalIn(window.get(), &record, &place)) return false;
  window.reset();
  config.LoadedRecord = record;

  // Every line to be rewritten has been read and checked before the target
  // is opened; only its changed characters go to the file.
  return WriteIntoTarget(target, SRecordPatches(place, RecordToSave(config, preserveAddresses)));
}
