// The record inside a binary program image (".exe", ".ELF" and every file
// that is written as binary): 488 contiguous bytes in the target's byte order.
#ifndef QLC_CFG_RECORD_BINARY_RECORD_H
#define QLC_CFG_RECORD_BINARY_RECORD_H

#include <stddef.h>
#include <stdint.h>

#include "../../common/hal_struct.h"

struct RecordLocation {
  size_t offset;
  bool bigEndian;
};

// Finds the first valid record: the ID, a byte-order marker and Size 488. Each
// candidate with the ID and a marker but another Size is reported ("Incorrect
// HAL_STRUCT version! [%d %d]") and skipped.
bool FindBinaryRecord(const uint8_t* buffer, size_t length, RecordLocation* found);

// Finds the record and copies it into record in little-endian order.
bool ReadBinaryHal(const uint8_t* buffer, size_t length, HAL_STRUCT* record, RecordLocation* found);

// Writes the working record over the record in the file, in the file's byte
// order. With a target (non-null, non-empty) the source is first copied to the
// target and the copy is patched. The loaded record is refreshed from the
// file first; preserveAddresses keeps the file's own RegAddr and DispMemAddr.
// The working record is never changed.
bool WriteBinaryHal(const char* source, const char* target, bool preserveAddresses);

#endif
