// The steps both savers share: making the Save As copy, choosing the
// addresses to write, and writing the prepared bytes into the target.
#ifndef QLC_CFG_RECORD_SAVE_TARGET_H
#define QLC_CFG_RECORD_SAVE_TARGET_H

#include <stddef.h>
#include <stdint.h>

#include "../../common/hal_struct.h"

// With a target (non-null, non-empty) copies source over it ("ERROR: could
// not create file %s!" on failure); without one the target becomes source.
bool PrepareSaveTarget(const char* source, const char** target);

// The working record as it is to be written: with preserveAddresses the
// file's own RegAddr and DispMemAddr (just read into the loaded record).
HAL_STRUCT RecordToSave(bool preserveAddresses);

// Opens the existing target, moves to offset and writes length bytes, with
// the savers' messages. True only when every byte was written.
bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length);

#endif
