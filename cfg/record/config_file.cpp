#include "cfg/record/config_file.h"

#include "cfg/record/appcfg_import.h"
#include "cfg/record/binary_record.h"
#include "cfg/record/byte_window.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/record.h"
#include "cfg/record/srecord.h"
#include "common/message.h"
#include "common/text_read.h"

bool IsSRecordFileName(const char* path) {
  return EndsWithNoCase(path, ".S9") || EndsWithNoCase(path, ".IDP") ||
         EndsWithNoCase(path, ".LVB");
}

bool IsBinaryProgramFileName(const char* path) {
  return EndsWithNoCase(path, ".exe") || EndsWithNoCase(path, ".ELF");
}

namespace {

enum OpenRoute { kOpenBinary, kOpenSRecord, kOpenHeaderImport };

OpenRoute RouteForOpening(const char* path, StorageForm form) {
  switch (form) {
    case kStorageBinary:
      return kOpenBinary;
    case kStorageSRecord:
      return kOpenSRecord;
    case kStorageByName:
      break;
  }
  if (IsSRecordFileName(path)) return kOpenSRecord;
  if (IsBinaryProgramFileName(path)) return kOpenBinary;
  return kOpenHeaderImport;
}

// Reads the file through to its end, a block at a time.
bool CanReadWholeFile(const char* path) {
  std::unique_ptr<ByteWindow> window = OpenFileWindow(path);
  if (!window) return false;
  while (window->Advance(window->Size())) {
  }
  return !window->Failed();
}

bool ReadRecordFromFile(Configuration& config, const char* path, StorageForm form) {
  HAL_STRUCT record;
  RecordLocation location;
  switch (RouteForOpening(path, form)) {
    case kOpenSRecord:
      if (!ReadSRecordHalFromFile(path, &record)) return false;
      break;
    case kOpenBinary:
      if (ReadBinaryHalFromFile(path, &record, &location) != RecordSearch::kFound) return false;
      break;
    case kOpenHeaderImport:
      // The header import reads its own file once the chosen one has proved
      // that it can be read.
      return CanReadWholeFile(path) && ImportAppcfg(config, path);
  }
  config.LoadedRecord = record;
  return true;
}

}  // namespace

bool OpenConfigFile(Configuration& config, const char* path, StorageForm form) {
  if (!ReadRecordFromFile(config, path, form)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_NOT_CONFIGURABLE, path);
    return false;
  }
  config.UseLoadedRecord();
  return true;
}

bool SaveConfigFile(Configuration& config, const char* source, const char* target,
                    bool preserveAddresses, StorageForm form) {
  bool asSRecord = form == kStorageSRecord || (form == kStorageByName && IsSRecordFileName(source));
  return asSRecord ? WriteSRecordHal(config, source, target, preserveAddresses)
                   : WriteBinaryHal(config, source, target, preserveAddresses);
}
