// The record inside Motorola S-record text (".S9", ".IDP", ".LVB"): its bytes
// are spread over the data fields of consecutive records, two hexadecimal
// characters per byte. The data stream is the data of all S0-S3 records in
// file order; the addresses are checked but do not place the bytes.
#ifndef QLC_CFG_RECORD_SRECORD_H
#define QLC_CFG_RECORD_SRECORD_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"
#include "cfg/record/save_target.h"
#include "common/hal_struct.h"

class ByteWindow;

// Where the record's stored fields (Flags to PowerOnDelay) lie in an S-record
// text: each S-record that holds one of their bytes, in file order. A few
// hundred lines at most, whatever the text's size.
struct SRecordLine {
  uint64_t dataOffset;     // of the first data character, from the text's start
  long firstIndex;         // the record byte that the first data byte is (below 0 before the ID)
  unsigned headerSum;      // count byte plus address bytes, for a new checksum
  std::string characters;  // the data and checksum characters as the text has them
};
struct SRecordPlace {
  bool bigEndian = false;
  std::vector<SRecordLine> lines;
};

// Reads the first record found in the data stream into record (little-endian
// order; IdString, DetectEndian and Size set to their own values). Fails on
// any damaged S-record up to the record's last byte, a wrong checksum
// ("ERROR: Invalid checksum!"), a wrong marker ("Invalid Endian %x"), a wrong
// Size ("Incorrect HAL_STRUCT version! [%d %d]") or a record cut short. record
// is only written on success.
bool ReadSRecordHal(const uint8_t* text, size_t length, HAL_STRUCT* record);
// The same over a window that moves on through the text as far as the record
// reaches, and over the file at path read that way (memory stays a block
// whatever the file's size; open and read failures are reported). With place,
// the lines that hold the stored fields are noted there as they pass.
bool ReadSRecordHalIn(ByteWindow* window, HAL_STRUCT* record, SRecordPlace* place = nullptr);
bool ReadSRecordHalFromFile(const char* path, HAL_STRUCT* record);

// The characters that put values into the record at place, in the record's
// own byte order: for each line that changes, its data and checksum
// characters from the first to the last that differ, in upper case and with
// the line's checksum right. IdString, the marker, Size and Reserved keep the
// text's bytes. Empty when nothing differs.
std::vector<FilePatch> SRecordPatches(const SRecordPlace& place, const HAL_STRUCT& values);

// Characters [begin, end) of a text; empty when begin equals end.
struct TextSpan {
  size_t begin;
  size_t end;
};

// Puts values into the record found in text as SRecordPatches gives them; the
// text keeps its length. text is unchanged when this fails. On success
// changed (when given) covers the first to the last character that now
// differs (empty when none does).
bool PatchSRecordHal(uint8_t* text, size_t length, const HAL_STRUCT& values,
                     TextSpan* changed = nullptr);

// Writes the working record into the S-record file. With a target (non-null,
// non-empty) the source is first copied to the target and the copy is
// patched. The loaded record is refreshed from the file first;
// preserveAddresses keeps the file's own RegAddr and DispMemAddr. The source
// is read a block at a time as far as the record reaches, noting where its
// lines lie, so a damaged source leaves the target as it was; then only the
// changed characters are written in place. Memory stays bounded (a block,
// the lines noted, the spans written) whatever the file's size.
bool WriteSRecordHal(Configuration& config, const char* source, const char* target,
                     bool preserveAddresses);

#endif
