// The record inside Motorola S-record text (".S9", ".IDP", ".LVB"): its bytes
// are spread over the data fields of consecutive records, two hexadecimal
// characters per byte. The data stream is the data of all S0-S3 records in
// file order; the addresses are checked but do not place the bytes.
#ifndef QLC_CFG_RECORD_SRECORD_H
#define QLC_CFG_RECORD_SRECORD_H

#include <stddef.h>
#include <stdint.h>

#include "cfg/record/configuration.h"
#include "common/hal_struct.h"

class ByteWindow;

// Reads the first record found in the data stream into record (little-endian
// order; IdString, DetectEndian and Size set to their own values). Fails on
// any damaged S-record up to the record's last byte, a wrong checksum
// ("ERROR: Invalid checksum!"), a wrong marker ("Invalid Endian %x"), a wrong
// Size ("Incorrect HAL_STRUCT version! [%d %d]") or a record cut short. record
// is only written on success.
bool ReadSRecordHal(const uint8_t* text, size_t length, HAL_STRUCT* record);
// The same over a window that moves on through the text as far as the record
// reaches, and over the file at path read that way (memory stays a block
// whatever the file's size; open and read failures are reported).
bool ReadSRecordHalIn(ByteWindow* window, HAL_STRUCT* record);
bool ReadSRecordHalFromFile(const char* path, HAL_STRUCT* record);

// Characters [begin, end) of a text; empty when begin equals end.
struct TextSpan {
  size_t begin;
  size_t end;
};

// Puts values into the record found in text, in the record's own byte order,
// rewriting the data and checksum characters of the S-records that hold it
// (in upper case) and nothing else; the text keeps its length. IdString, the
// marker, Size and Reserved keep the file's bytes. text is unchanged when this
// fails. On success changed (when given) covers the first to the last
// character that now differs (empty when none does): writing those
// characters back at their offset gives the file the whole patched text.
bool PatchSRecordHal(uint8_t* text, size_t length, const HAL_STRUCT& values,
                     TextSpan* changed = nullptr);

// Writes the working record into the S-record file. With a target (non-null,
// non-empty) the source is first copied to the target and the copy is
// patched. The loaded record is refreshed from the file first;
// preserveAddresses keeps the file's own RegAddr and DispMemAddr. The whole
// text is patched in memory before the target is opened, so a damaged source
// leaves the target as it was; then only the changed characters are written,
// with one write at their offset.
bool WriteSRecordHal(Configuration& config, const char* source, const char* target,
                     bool preserveAddresses);

#endif
