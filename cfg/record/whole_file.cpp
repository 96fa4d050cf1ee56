#include "cfg/record/whole_file.h"

#include <new>

#include "cfg/record/file_messages.h"
#include "common/message.h"

bool OpenFileToRead(const char* path, FileHandle* file, uint64_t* length) {
  if (!OpenFileForReading(path, file)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_OPEN_FAILED, path);
    return false;
  }
  if (!SeekFileToEnd(*file, length)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_SEEK_END_FAILED, path);
    CloseFileHandle(*file);
    return false;
  }
  SeekFileTo(*file, 0);
  return true;
}

bool ReadWholeFile(const char* path, FileBuffer* buffer) {
  buffer->data.reset();
  buffer->length = 0;
  FileHandle file;
  uint64_t length = 0;
  if (!OpenFileToRead(path, &file, &length)) return false;
  return ReadOpenedFile(file, length, buffer);
}

bool ReadOpenedFile(FileHandle file, uint64_t length, FileBuffer* buffer) {
  buffer->data.reset();
  buffer->length = 0;
  if (length > SIZE_MAX - 1) {
    CloseFileHandle(file);
    return false;
  }
  size_t size = static_cast<size_t>(length);
  // One spare byte so that an empty file still has a buffer of its own.
  std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[size + 1]);
  if (!data) {
    CloseFileHandle(file);
    return false;
  }
  size_t got = ReadFromFile(file, data.get(), size);
  CloseFileHandle(file);
  if (got != size) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_SHORT_READ, static_cast<long long>(got),
                static_cast<long long>(size));
    return false;
  }
  buffer->data = std::move(data);
  buffer->length = size;
  return true;
}
