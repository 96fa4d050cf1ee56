// Opening a file for reading with the readers' messages, and reading a whole
// file into one buffer that the caller owns.
#ifndef QLC_CFG_RECORD_WHOLE_FILE_H
#define QLC_CFG_RECORD_WHOLE_FILE_H

#include <stddef.h>
#include <stdint.h>

#include <memory>

#include "cfg/record/file_io.h"

// Opens the regular file at path for reading and finds its length, leaving
// the file pointer at the beginning. Failures are shown ("ERROR: open failed
// on input file %s", "ERROR: _lseek to end failed, file:%s") and leave
// nothing open. A pointer that does not go back to the beginning is not a
// failure here: the reads that follow come back short.
bool OpenFileToRead(const char* path, FileHandle* file, uint64_t* length);

struct FileBuffer {
  std::unique_ptr<uint8_t[]> data;
  size_t length = 0;
};

// Reads the file at path into buffer (replacing what it held). Failures are
// shown as by OpenFileToRead and "ERROR: read %lld bytes of %lld"; running out of
// memory fails silently. The buffer is a copy: the file may change or shrink
// afterwards without harm. The buffer is empty after a failure.
bool ReadWholeFile(const char* path, FileBuffer* buffer);
// The same for a file OpenFileToRead opened with length, which it closes.
bool ReadOpenedFile(FileHandle file, uint64_t length, FileBuffer* buffer);

#endif
