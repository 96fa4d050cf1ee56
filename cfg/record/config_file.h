// Opening and saving configurable program files: the record is read into the
// loaded record (and taken into use) or the working record is written back,
// in place or into a copy.
#ifndef QLC_CFG_RECORD_CONFIG_FILE_H
#define QLC_CFG_RECORD_CONFIG_FILE_H

#include "cfg/record/configuration.h"

// How a file's record is stored. By name: ".S9", ".IDP", ".LVB" are S-record
// text; on opening ".exe" and ".ELF" are binary and every other name goes to
// the appcfg.h import; on saving every other name is binary. Names are
// compared without regard to case.
enum StorageForm {
  kStorageByName,
  kStorageBinary,
  kStorageSRecord,
};

bool IsSRecordFileName(const char* path);
bool IsBinaryProgramFileName(const char* path);

// Reads the file's record into the loaded record and, on success, copies it
// over the working record. A failure is shown as "ERROR: File \"%s\" is not
// configurable!" after any more specific message; both records then stay as
// they were.
bool OpenConfigFile(Configuration& config, const char* path, StorageForm form = kStorageByName);

// Writes the working record into source, or, with a target (non-null and
// non-empty), into a copy of source made at target. The storage form follows
// the source name unless given. preserveAddresses keeps the file's own
// RegAddr and DispMemAddr. The working record is never changed.
bool SaveConfigFile(Configuration& config, const char* source, const char* target,
                    bool preserveAddresses, StorageForm form = kStorageByName);

#endif
