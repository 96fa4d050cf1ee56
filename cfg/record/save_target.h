// The steps both savers share: making the Save As copy, choosing the
// addresses to write, and writing the prepared bytes into the target.
#ifndef QLC_CFG_RECORD_SAVE_TARGET_H
#define QLC_CFG_RECORD_SAVE_TARGET_H

#include <stddef.h>
#include <stdint.h>

#include "cfg/record/configuration.h"
#include "common/hal_struct.h"

// With a target (non-null, non-empty) copies source over it ("ERROR: could
// not create file %s!" on failure, the target then as it was); without one
// the target becomes source.
bool PrepareSaveTarget(const char* source, const char** target);

// The working record as it is to be written: with preserveAddresses the
// file's own RegAddr and DispMemAddr (just read into the loaded record).
HAL_STRUCT RecordToSave(const Configuration& config, bool preserveAddresses);

// Opens the existing target, moves to offset and writes the length bytes
// there with one write, then flushes them to the disk; the savers' messages
// on failure. The span must lie inside the file ("ERROR: SetFilePointer
// failed, file:%s" otherwise). A write that stops part way is undone, so the
// target is either unchanged or fully written. True only when every byte
// reached the disk.
bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length);

#endif
