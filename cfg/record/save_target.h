// The steps both savers share: making the Save As copy, choosing the
// addresses to write, and writing the prepared bytes into the target.
#ifndef QLC_CFG_RECORD_SAVE_TARGET_H
#define QLC_CFG_RECORD_SAVE_TARGET_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "cfg/record/configuration.h"
#include "common/hal_struct.h"

// With a target (non-null, non-empty) copies source over it ("ERROR: could
// not create file %s!" on failure, the target then as it was); without one
// the target becomes source.
bool PrepareSaveTarget(const char* source, const char** target);

// The working record as it is to be written: with preserveAddresses the
// file's own RegAddr and DispMemAddr (just read into the loaded record).
HAL_STRUCT RecordToSave(const Configuration& config, bool preserveAddresses);

// Bytes to be written at an offset of the file.
struct FilePatch {
  uint64_t offset;
  std::vector<uint8_t> bytes;
};

// Opens the existing target and writes the patches (in rising order of
// offset, none overlapping) in place, then flushes them to the disk; the
// savers' messages on failure. The patches go out in one write, together
// with the file's own bytes between them, unless those add up to more than a
// few hundred kilobytes; the further patches then get a write each. Every
// span written must lie inside the file ("ERROR: SetFilePointer failed,
// file:%s" before anything is written otherwise). A write that stops part way is undone with
// every write before it, so the target is either unchanged or fully written.
// True only when every byte reached the disk.
bool WriteIntoTarget(const char* target, const std::vector<FilePatch>& patches);
// The same for one run of bytes, written with one write.
bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length);

#endif
