#include "cfg/record/byte_window.h"

#include <string.h>

#include <new>

#include "cfg/record/file_messages.h"
#include "cfg/record/whole_file.h"
#include "common/message.h"

ByteWindow::ByteWindow(const uint8_t* bytes, size_t length)
    : data_(bytes), size_(length), length_(length) {}

ByteWindow::ByteWindow(ReadBytes read, uint64_t length, size_t blockSize)
    : length_(length), read_(std::move(read)) {
  capacity_ = blockSize + kWindowMaxCarry;
  // A small file needs no more than its own length.
  if (length + 1 < capacity_) capacity_ = static_cast<size_t>(length + 1);
  buffer_.reset(new (std::nothrow) uint8_t[capacity_]);
  data_ = buffer_.get();
  if (!buffer_) {
    failed_ = true;
    return;
  }
  Advance(0);
}

bool ByteWindow::Advance(size_t keepFrom) {
  if (AtEnd() || !buffer_ || keepFrom > size_) return false;
  size_t keep = size_ - keepFrom;
  if (keep > kWindowMaxCarry || keep >= capacity_) {
    failed_ = true;
    return false;
  }
  memmove(buffer_.get(), data_ + keepFrom, keep);
  start_ += keepFrom;
  uint64_t left = length_ - start_ - keep;
  size_t want = capacity_ - keep;
  if (left < want) want = static_cast<size_t>(left);
  size_t got = read_(buffer_.get() + keep, want);
  data_ = buffer_.get();
  size_ = keep + got;
  if (got < want) {
    failed_ = true;
    ShowMessage(kMsgOk | kMsgIconError, MSG_SHORT_READ, static_cast<long long>(start_ + size_),
                static_cast<long long>(length_));
  }
  return got > 0;
}

namespace {

// Closes the file when the last reader lets go of it.
struct OpenFile {
  FileHandle handle;
  ~OpenFile() { CloseFileHandle(handle); }
};

}  // namespace

std::unique_ptr<ByteWindow> OpenFileWindow(const char* path, size_t blockSize) {
  FileHandle handle;
  uint64_t length = 0;
  if (!OpenFileToRead(path, &handle, &length)) return nullptr;
  std::shared_ptr<OpenFile> file(new (std::nothrow) OpenFile{handle});
  if (!file) {
    CloseFileHandle(handle);
    return nullptr;
  }
  ReadBytes read = [file](uint8_t* into, size_t count) {
    return ReadFromFile(file->handle, into, count);
  };
  return std::unique_ptr<ByteWindow>(new (std::nothrow)
                                         ByteWindow(std::move(read), length, blockSize));
}
