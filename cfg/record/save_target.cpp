#include "save_target.h"

#include "../../common/message.h"
#include "file_io.h"
#include "file_messages.h"
#include "record.h"

bool PrepareSaveTarget(const char* source, const char** target) {
  if (!*target || !**target) {
    *target = source;
    return true;
  }
  if (CopyFileOver(source, *target)) return true;
  ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_COPY_FAILED, *target);
  return false;
}

HAL_STRUCT RecordToSave(bool preserveAddresses) {
  HAL_STRUCT values = WorkingRecord;
  if (preserveAddresses) {
    values.RegAddr = LoadedRecord.RegAddr;
    values.DispMemAddr = LoadedRecord.DispMemAddr;
  }
  return values;
}

bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length) {
  FileHandle file;
  if (!OpenExistingFileForWriting(target, &file)) {
    ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_OPEN_FAILED, target);
    return false;
  }
  bool ok = false;
  if (!SeekFileTo(file, offset)) {
    ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_SET_POINTER_FAILED, target);
  } else {
    size_t written = WriteToFile(file, bytes, length);
    ok = written == length;
    if (!ok) {
      ShowMessage(nullptr, kMsgOk | kMsgIconError, MSG_SHORT_WRITE, static_cast<int>(written),
                  static_cast<int>(length));
    }
  }
  CloseFileHandle(file);
  return ok;
}
