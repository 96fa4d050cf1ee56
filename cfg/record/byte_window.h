// A window that the record readers move front to back over a file, one block
// at a time, so that finding and reading a record needs the same few hundred
// kilobytes whatever the file's size. The same window also lies over bytes
// already in memory, which it then shows whole.
#ifndef QLC_CFG_RECORD_BYTE_WINDOW_H
#define QLC_CFG_RECORD_BYTE_WINDOW_H

#include <stddef.h>
#include <stdint.h>

#include <functional>
#include <memory>

// Reads up to count bytes into `into`, going on where the previous call
// stopped; fewer only at an error or at the end of the bytes.
using ReadBytes = std::function<size_t(uint8_t* into, size_t count)>;

enum : size_t {
  // Bytes read at a time: large enough that calls cost nothing beside the
  // copy, small enough that the block stays in the processor's cache.
  kWindowBlockSize = 256 * 1024,
  // The most a reader carries over from one block to the next (a record
  // candidate's 487 bytes, an S-record line of 514 characters).
  kWindowMaxCarry = 1024,
};

class ByteWindow {
 public:
  // Over length bytes in memory: all of them at once, nothing behind.
  ByteWindow(const uint8_t* bytes, size_t length);
  // Over the first length bytes that read delivers, blockSize at a time; the
  // first block is read at once.
  ByteWindow(ReadBytes read, uint64_t length, size_t blockSize = kWindowBlockSize);
  ByteWindow(const ByteWindow&) = delete;
  ByteWindow& operator=(const ByteWindow&) = delete;

  const uint8_t* Data() const { return data_; }
  size_t Size() const { return size_; }
  // Offset of Data()[0] from the beginning of the bytes.
  uint64_t Start() const { return start_; }
  // Nothing lies behind the window.
  bool AtEnd() const { return start_ + size_ == length_ || failed_; }
  // A read came back short or memory ran out; the window then stays as it is.
  bool Failed() const { return failed_; }

  // Drops the bytes before keepFrom (at most kWindowMaxCarry bytes stay) and
  // reads the next block behind the rest. False when nothing more came: at
  // the end, or after a failure. A short read is reported as "ERROR: read %lld
  // bytes of %lld" (bytes read in all, the length).
  bool Advance(size_t keepFrom);

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  uint64_t start_ = 0;
  uint64_t length_ = 0;
  bool failed_ = false;
  ReadBytes read_;
  std::unique_ptr<uint8_t[]> buffer_;
  size_t capacity_ = 0;
};

// Opens the regular file at path and lays a window over it, reading the
// first block; the file stays open as long as the window. Null when the file
// cannot be opened or its end not found (reported: "ERROR: open failed on
// input file %s", "ERROR: _lseek to end failed, file:%s"); a short read or a
// lack of memory shows as a window that has Failed.
std::unique_ptr<ByteWindow> OpenFileWindow(const char* path, size_t blockSize = kWindowBlockSize);

#endif
