// Reading a whole file into one buffer that the caller owns.
#ifndef QLC_CFG_RECORD_WHOLE_FILE_H
#define QLC_CFG_RECORD_WHOLE_FILE_H

#include <stddef.h>
#include <stdint.h>

#include <memory>

// Releases what ReadWholeFile handed out: a mapped private view of the file
// or an allocated copy.
struct FileBufferRelease {
  size_t mappedLength = 0;
  void operator()(uint8_t* data) const;
};

struct FileBuffer {
  std::unique_ptr<uint8_t[], FileBufferRelease> data;
  size_t length = 0;
};

// Reads the file at path into buffer (replacing what it held). Failures are
// shown ("ERROR: open failed on input file %s", "ERROR: _lseek to end failed,
// file:%s", "ERROR: read %d bytes of %d"); running out of memory fails
// silently. The buffer is empty after a failure.
bool ReadWholeFile(const char* path, FileBuffer* buffer);

#endif
