// A file layer for tests that passes every call through to the real file
// system until it is told to fail one: a save can so meet a full disk, a
// drive that is gone or a file that turned read-only at any step. It also
// records where every write went.
#ifndef QLC_TESTS_CFG_RECORD_FAILING_FILE_IO_H
#define QLC_TESTS_CFG_RECORD_FAILING_FILE_IO_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

enum class FileCall {
  kOpenForReading,
  kOpenForWriting,
  kSeek,
  kRead,
  kWrite,
  kFlush,
  kCreateBeside,
  kPutInPlace,
};

struct FileFault {
  FileCall call;
  int passing;        // calls of this kind that still succeed first
  size_t movedBytes;  // a failing read or write still moves this many bytes
  bool lasting;       // every later call of this kind fails too
};

// Fails the given call for as long as the object lives; faults add up.
// Positioning, reading, writing and flushing fail only on files opened for
// writing (the save's target or copy), never on the reading before a save.
class ScopedFileFault {
 public:
  explicit ScopedFileFault(FileCall call, int passing = 0, size_t movedBytes = 0,
                           bool lasting = false);
  ~ScopedFileFault();
  ScopedFileFault(const ScopedFileFault&) = delete;
  ScopedFileFault& operator=(const ScopedFileFault&) = delete;
};

struct WriteSeen {
  uint64_t offset;
  size_t length;
};

// Every write call since the last ForgetFileCalls, whether it failed or not.
const std::vector<WriteSeen>& WritesSeen();
// Calls of a kind since the last ForgetFileCalls.
int CallsSeen(FileCall call);
void ForgetFileCalls();

#endif
