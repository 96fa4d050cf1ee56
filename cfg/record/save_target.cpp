#include "cfg/record/save_target.h"

#include <memory>
#include <new>

#include "cfg/record/file_copy.h"
#include "cfg/record/file_io.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/record.h"
#include "cfg/record/save_io.h"
#include "common/message.h"

bool PrepareSaveTarget(const char* source, const char** target) {
  if (!*target || !**target) {
    *target = source;
    return true;
  }
  if (CopyFileOver(source, *target)) return true;
  ShowMessage(kMsgOk | kMsgIconError, MSG_COPY_FAILED, *target);
  return false;
}

HAL_STRUCT RecordToSave(const Configuration& config, bool preserveAddresses) {
  HAL_STRUCT values = config.WorkingRecord;
  if (preserveAddresses) {
    values.RegAddr = config.LoadedRecord.RegAddr;
    values.DispMemAddr = config.LoadedRecord.DispMemAddr;
  }
  return values;
}

namespace {

// Reads the bytes the span holds now and leaves the file pointer at its
// start. Fails when the span does not lie wholly inside the file, as when the
// file was shortened after it was read.
bool ReadSpanAndPosition(FileHandle file, uint64_t offset, uint8_t* bytes, size_t length) {
  return SeekFileTo(file, offset) && ReadFromFile(file, bytes, length) == length &&
         SeekFileTo(file, offset);
}

// Puts back the first length bytes of the span after a write that stopped
// part way; false when the file refuses that too.
bool PutBack(FileHandle file, uint64_t offset, const uint8_t* before, size_t length) {
  return SeekFileTo(file, offset) && WriteToFile(file, before, length) == length &&
         FlushFileToDisk(file);
}

}  // namespace

bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length) {
  FileHandle file;
  if (!OpenExistingFileForWriting(target, &file)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_OPEN_FAILED, target);
    return false;
  }
  std::unique_ptr<uint8_t[]> before(new (std::nothrow) uint8_t[length + 1]);
  if (!before || !ReadSpanAndPosition(file, offset, before.get(), length)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_SET_POINTER_FAILED, target);
    CloseFileHandle(file);
    return false;
  }
  // One write of the whole span, then the disk: only a save that has reached
  // the disk counts as written.
  size_t written = WriteToFile(file, bytes, length);
  bool ok = written == length && FlushFileToDisk(file);
  if (!ok) {
    if (written < length) {
      // The target must never stay half old and half new.
      if (written > 0) PutBack(file, offset, before.get(), written);
    } else {
      written = 0;  // the system gave no assurance that any byte reached the disk
    }
    ShowMessage(kMsgOk | kMsgIconError, MSG_SHORT_WRITE, static_cast<int>(written),
                static_cast<int>(length));
  }
  CloseFileHandle(file);
  return ok;
}
