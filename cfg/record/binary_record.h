// The record inside a binary program image (".exe", ".ELF" and every file
// that is written as binary): 488 contiguous bytes in the target's byte order.
#ifndef QLC_CFG_RECORD_BINARY_RECORD_H
#define QLC_CFG_RECORD_BINARY_RECORD_H

#include <stddef.h>
#include <stdint.h>

#include "cfg/record/configuration.h"
#include "common/hal_struct.h"

class ByteWindow;

struct RecordLocation {
  uint64_t offset;  // from the beginning of the file or buffer
  bool bigEndian;
  // The record's 488 bytes where the search found them; valid until the
  // buffer or window searched moves on.
  const uint8_t* bytes;
};

// Finds the first valid record: the ID, a byte-order marker and Size 488. Each
// candidate with the ID and a marker but another Size is reported ("Incorrect
// HAL_STRUCT version! [%d %d]") and skipped. The buffer form looks at bytes in
// memory; the window form moves the window on until it holds the record.
bool FindBinaryRecord(const uint8_t* buffer, size_t length, RecordLocation* found);
bool FindBinaryRecordIn(ByteWindow* window, RecordLocation* found);

// Finds the record and copies it into record in little-endian order.
bool ReadBinaryHal(const uint8_t* buffer, size_t length, HAL_STRUCT* record, RecordLocation* found);
bool ReadBinaryHalIn(ByteWindow* window, HAL_STRUCT* record, RecordLocation* found);

enum class RecordSearch { kFound, kNotFound, kUnreadable };

// Reads the record of the file at path block by block, stopping at the
// record; memory stays a block whatever the file's size. kUnreadable when the
// file could not be opened or read (reported).
RecordSearch ReadBinaryHalFromFile(const char* path, HAL_STRUCT* record, RecordLocation* found);

// Writes the working record over the record in the file, in the file's byte
// order. With a target (non-null, non-empty) the source is first copied to the
// target and the copy is patched. The loaded record is refreshed from the
// file first; preserveAddresses keeps the file's own RegAddr and DispMemAddr.
// The working record is never changed.
bool WriteBinaryHal(Configuration& config, const char* source, const char* target,
                    bool preserveAddresses);

#endif
