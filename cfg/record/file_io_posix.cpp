#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cfg/record/file_io.h"

// Each transfer stays well below what a single read or write accepts.
static const size_t kMaxTransfer = size_t(1) << 30;

// Opening without blocking lets a FIFO be seen and refused instead of waiting
// for its other end; a regular file then goes back to blocking reads.
static bool OpenRegularFile(const char* path, int flags, FileHandle* file) {
  int descriptor = open(path, flags | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  struct stat status;
  int statusFlags = fcntl(descriptor, F_GETFL);
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || statusFlags < 0 ||
      fcntl(descriptor, F_SETFL, statusFlags & ~O_NONBLOCK) != 0) {
    close(descriptor);
    return false;
  }
  file->value = descriptor;
  return true;
}

bool OpenFileForReading(const char* path, FileHandle* file) {
  return OpenRegularFile(path, O_RDONLY, file);
}

bool OpenExistingFileForWriting(const char* path, FileHandle* file) {
  return OpenRegularFile(path, O_RDWR, file);
}

bool SeekFileToEnd(FileHandle file, uint64_t* length) {
  off_t end = lseek(static_cast<int>(file.value), 0, SEEK_END);
  if (end < 0) return false;
  *length = static_cast<uint64_t>(end);
  return true;
}

bool SeekFileTo(FileHandle file, uint64_t offset) {
  off_t target = static_cast<off_t>(offset);
  if (target < 0 || static_cast<uint64_t>(target) != offset) return false;
  return lseek(static_cast<int>(file.value), target, SEEK_SET) == target;
}

// Moves length bytes in chunks of at most kMaxTransfer: transfer moves the
// chunk at offset done and returns what read or write returned. An
// interrupted call is repeated; it stops at the first failed or empty one.
template <typename Transfer>
static size_t TransferInChunks(size_t length, Transfer transfer) {
  size_t done = 0;
  while (done < length) {
    size_t chunk = length - done < kMaxTransfer ? length - done : kMaxTransfer;
    ssize_t moved = transfer(done, chunk);
    if (moved < 0 && errno == EINTR) continue;
    if (moved <= 0) break;
    done += static_cast<size_t>(moved);
  }
  return done;
}

size_t ReadFromFile(FileHandle file, void* buffer, size_t length) {
  char* cursor = static_cast<char*>(buffer);
  int descriptor = static_cast<int>(file.value);
  return TransferInChunks(
      length, [&](size_t done, size_t chunk) { return read(descriptor, cursor + done, chunk); });
}

size_t WriteToFile(FileHandle file, const void* buffer, size_t length) {
  const char* cursor = static_cast<const char*>(buffer);
  int descriptor = static_cast<int>(file.value);
  return TransferInChunks(
      length, [&](size_t done, size_t chunk) { return write(descriptor, cursor + done, chunk); });
}

void CloseFileHandle(FileHandle file) {
  close(static_cast<int>(file.value));
}

FILE* OpenTextFileForReading(const char* path) {
  FileHandle file;
  if (!OpenFileForReading(path, &file)) return nullptr;
  FILE* stream = fdopen(static_cast<int>(file.value), "r");
  if (!stream) CloseFileHandle(file);
  return stream;
}
