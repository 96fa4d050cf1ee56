// The platform calls that saving needs beyond opening, reading and writing:
// recognising one file under two names, making a new file beside a target,
// flushing it to the disk and putting a finished copy in place in one step.
// One implementation uses the Win32 file calls, the other POSIX calls.
#ifndef QLC_CFG_RECORD_SAVE_IO_H
#define QLC_CFG_RECORD_SAVE_IO_H

#include <string>

#include "cfg/record/file_io.h"

// Whether both names lead to one existing file (the same name, a link).
bool NamesSameFile(const char* first, const char* second);

// Creates a new, empty file under a name of its own in the folder of target,
// open for writing; the name it got is put into created.
bool CreateFileBeside(const char* target, FileHandle* file, std::string* created);

// Gives a copy the permissions of its source, made writable by its owner: a
// copy of an installed, read-only program must take the new record.
bool GiveCopyPermissions(FileHandle source, FileHandle copy);

// Returns once the system has written the file's content to its disk.
bool FlushFileToDisk(FileHandle file);

// Puts the finished file in place of target in one step, so that target is
// either its old self or the finished file. A target that exists but may not
// be written is not replaced.
bool PutFileInPlace(const char* finished, const char* target);

void RemoveFile(const char* path);

#endif
