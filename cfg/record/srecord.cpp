#include "cfg/record/srecord.h"

#include <string.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cfg/record/byte_window.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/hex_decode.h"
#include "cfg/record/record.h"
#include "cfg/record/save_target.h"
#include "cfg/record/whole_file.h"
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

  uint8_t* Data() { return line + addressBytes; }
  const uint8_t* Data() const { return line + addressBytes; }
};

void ResetReader(SRecordReader* reader, ByteWindow* window) {
  memset(reader, 0, sizeof *reader);
  reader->window = window;
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

bool TakeByte(SRecordReader* reader, uint8_t* byte) {
  while (reader->dataIndex >= reader->dataCount) {
    if (!ReadNextRecord(reader)) return false;
  }
  *byte = reader->Data()[reader->dataIndex++];
  return true;
}

bool TakeU16(SRecordReader* reader, uint16_t* value) {
  uint8_t first = 0;
  uint8_t second = 0;
  if (!TakeByte(reader, &first) || !TakeByte(reader, &second)) return false;
  *value = reader->bigEndian ? static_cast<uint16_t>(first << 8 | second)
                             : static_cast<uint16_t>(second << 8 | first);
  return true;
}

bool TakeU32(SRecordReader* reader, uint32_t* value) {
  uint16_t first = 0;
  uint16_t second = 0;
  if (!TakeU16(reader, &first) || !TakeU16(reader, &second)) return false;
  *value = reader->bigEndian ? uint32_t(first) << 16 | second : uint32_t(second) << 16 | first;
  return true;
}

// Moves the reader onto the byte behind Size of the first record in the data
// stream, checking its marker and Size.
bool LocateRecord(SRecordReader* reader) {
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
  uint8_t skipped;
  for (int i = kHalIdLength; i < 16; ++i) {
    if (!TakeByte(reader, &skipped)) return false;
  }
  uint8_t b0 = 0;
  uint8_t b1 = 0;
  if (!TakeByte(reader, &b0) || !TakeByte(reader, &b1)) return false;
  unsigned marker = b0 + 256u * b1;
  if (marker != kDetectEndianLittle && marker != kDetectEndianSwapped) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_INVALID_ENDIAN, marker);
    return false;
  }
  reader->bigEndian = marker == kDetectEndianSwapped;
  uint16_t size = 0;
  if (!TakeU16(reader, &size)) return false;
  if (size != kHalStructSize) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_WRONG_VERSION, static_cast<int>(size),
                static_cast<int>(kHalStructSize));
    return false;
  }
  return true;
}

// A patch in progress: the reader stands on the record's bytes in text, and
// changed covers every character that has been given a new value so far.
struct SRecordPatch {
  SRecordReader reader;
  uint8_t* text;
  TextSpan changed;
};

void StoreCharacter(SRecordPatch* patch, size_t at, uint8_t character) {
  if (patch->text[at] == character) return;
  patch->text[at] = character;
  TextSpan& changed = patch->changed;
  if (changed.begin == changed.end) {
    changed.begin = at;
    changed.end = at + 1;
  } else {
    if (at < changed.begin) changed.begin = at;
    if (at + 1 > changed.end) changed.end = at + 1;
  }
}

void StoreHexByte(SRecordPatch* patch, size_t at, uint8_t byte) {
  StoreCharacter(patch, at, static_cast<uint8_t>(kUpperHex[byte >> 4]));
  StoreCharacter(patch, at + 1, static_cast<uint8_t>(kUpperHex[byte & 0xF]));
}

// Rewrites the current record's data and checksum characters from its line
// buffer; the rest of the line is left as it stands.
bool ReemitRecord(SRecordPatch* patch) {
  const SRecordReader& reader = patch->reader;
  if (reader.text[reader.lineStart] != 'S') return false;
  unsigned type = static_cast<unsigned>(reader.text[reader.lineStart + 1] - '0');
  if (!IsDataRecordType(type)) return false;
  size_t at = reader.lineStart + 4 + 2 * size_t(reader.addressBytes);
  unsigned sum = reader.headerSum;
  for (unsigned i = 0; i < reader.dataCount; ++i, at += 2) {
    uint8_t byte = reader.Data()[i];
    sum += byte;
    StoreHexByte(patch, at, byte);
  }
  StoreHexByte(patch, at, static_cast<uint8_t>(~sum));
  return true;
}

bool PutByte(SRecordPatch* patch, uint8_t byte) {
  SRecordReader* reader = &patch->reader;
  while (reader->dataIndex >= reader->dataCount) {
    if (!ReemitRecord(patch) || !ReadNextRecord(reader)) return false;
  }
  reader->Data()[reader->dataIndex++] = byte;
  return true;
}

bool PutU16(SRecordPatch* patch, uint16_t value) {
  uint8_t low = static_cast<uint8_t>(value & 0xFF);
  uint8_t high = static_cast<uint8_t>(value >> 8);
  return patch->reader.bigEndian ? PutByte(patch, high) && PutByte(patch, low)
                                 : PutByte(patch, low) && PutByte(patch, high);
}

bool PutU32(SRecordPatch* patch, uint32_t value) {
  uint16_t low = static_cast<uint16_t>(value & 0xFFFF);
  uint16_t high = static_cast<uint16_t>(value >> 16);
  return patch->reader.bigEndian ? PutU16(patch, high) && PutU16(patch, low)
                                 : PutU16(patch, low) && PutU16(patch, high);
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

bool ReadSRecordHalIn(ByteWindow* window, HAL_STRUCT* record) {
  SRecordReader reader;
  ResetReader(&reader, window);
  if (!LocateRecord(&reader)) return false;
  HAL_STRUCT read;
  memset(&read, 0, sizeof read);
  bool ok = TakeU32(&reader, &read.Flags);
  for (REG_CFG& entry : read.Regs) {
    ok = ok && TakeU16(&reader, &entry.Index) && TakeU16(&reader, &entry.Value);
  }
  for (uint8_t& byte : read.GcpData) ok = ok && TakeByte(&reader, &byte);
  ok = ok && TakeU32(&reader, &read.ClkI) && TakeU32(&reader, &read.ClkI2) &&
       TakeU32(&reader, &read.BusClk) && TakeU32(&reader, &read.RegAddr) &&
       TakeU32(&reader, &read.DispMemAddr) && TakeU16(&reader, &read.FrameRate) &&
       TakeU16(&reader, &read.PowerOffDelay) && TakeU16(&reader, &read.PowerOnDelay);
  for (uint16_t& word : read.Reserved) ok = ok && TakeU16(&reader, &word);
  if (!ok) return false;
  memcpy(read.IdString, HAL_ID_STRING, kHalIdLength);
  read.DetectEndian = kDetectEndianLittle;
  read.Size = kHalStructSize;
  *record = read;
  return true;
}

namespace {

// Patches a text that a full read has just accepted: every S-record touched
// here has been checked, so the patch cannot stop half-way.
bool PatchCheckedText(uint8_t* text, size_t length, const HAL_STRUCT& values, TextSpan* changed) {
  ByteWindow window(text, length);
  SRecordPatch patch;
  ResetReader(&patch.reader, &window);
  patch.text = text;
  patch.changed = TextSpan{0, 0};
  if (!LocateRecord(&patch.reader)) return false;
  bool ok = PutU32(&patch, values.Flags);
  for (const REG_CFG& entry : values.Regs) {
    ok = ok && PutU16(&patch, entry.Index) && PutU16(&patch, entry.Value);
  }
  for (uint8_t byte : values.GcpData) ok = ok && PutByte(&patch, byte);
  ok = ok && PutU32(&patch, values.ClkI) && PutU32(&patch, values.ClkI2) &&
       PutU32(&patch, values.BusClk) && PutU32(&patch, values.RegAddr) &&
       PutU32(&patch, values.DispMemAddr) && PutU16(&patch, values.FrameRate) &&
       PutU16(&patch, values.PowerOffDelay) && PutU16(&patch, values.PowerOnDelay);
  if (!ok || !ReemitRecord(&patch)) return false;
  if (changed) *changed = patch.changed;
  return true;
}

}  // namespace

bool PatchSRecordHal(uint8_t* text, size_t length, const HAL_STRUCT& values, TextSpan* changed) {
  HAL_STRUCT check;
  return ReadSRecordHal(text, length, &check) && PatchCheckedText(text, length, values, changed);
}

bool WriteSRecordHal(Configuration& config, const char* source, const char* target,
                     bool preserveAddresses) {
  if (!PrepareSaveTarget(source, &target)) return false;

  FileBuffer file;
  if (!ReadWholeFile(source, &file)) return false;
  HAL_STRUCT record;
  if (!ReadSRecordHal(file.data.get(), file.length, &record)) return false;
  config.LoadedRecord = record;

  // The whole text is patched in memory before the target is opened; only the
  // characters from the first to the last changed one go to the file.
  TextSpan changed;
  if (!PatchCheckedText(file.data.get(), file.length, RecordToSave(config, preserveAddresses),
                        &changed))
    return false;
  return WriteIntoTarget(target, changed.begin, file.data.get() + changed.begin,
                         changed.end - changed.begin);
}
