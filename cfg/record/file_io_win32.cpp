#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "cfg/record/file_io.h"

// ReadFile and WriteFile take 32-bit counts; larger transfers are split.
static const DWORD kMaxTransfer = DWORD(1) << 30;

static HANDLE ToHandle(FileHandle file) {
  return reinterpret_cast<HANDLE>(file.value);
}

static bool OpenRegularFile(const char* path, DWORD access, DWORD share, FileHandle* file) {
  HANDLE handle =
      CreateFileA(path, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return false;
  }
  file->value = reinterpret_cast<intptr_t>(handle);
  return true;
}

bool OpenFileForReading(const char* path, FileHandle* file) {
  return OpenRegularFile(path, GENERIC_READ, FILE_SHARE_READ, file);
}

bool OpenExistingFileForWriting(const char* path, FileHandle* file) {
  return OpenRegularFile(path, GENERIC_READ | GENERIC_WRITE, 0, file);
}

static bool MoveFilePointer(FileHandle file, uint64_t offset, DWORD method, uint64_t* position) {
  LONG high = static_cast<LONG>(offset >> 32);
  SetLastError(NO_ERROR);
  DWORD low =
      SetFilePointer(ToHandle(file), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, method);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return false;
  *position = (static_cast<uint64_t>(static_cast<DWORD>(high)) << 32) | low;
  return true;
}

bool SeekFileToEnd(FileHandle file, uint64_t* length) {
  return MoveFilePointer(file, 0, FILE_END, length);
}

bool SeekFileTo(FileHandle file, uint64_t offset) {
  uint64_t position = 0;
  return MoveFilePointer(file, offset, FILE_BEGIN, &position) && position == offset;
}

// Moves length bytes in chunks of at most kMaxTransfer: transfer moves the
// chunk at offset done and gives the count it moved. Stops at the first
// failed or empty transfer.
template <typename Transfer>
static size_t TransferInChunks(size_t length, Transfer transfer) {
  size_t done = 0;
  while (done < length) {
    DWORD chunk = length - done < kMaxTransfer ? static_cast<DWORD>(length - done) : kMaxTransfer;
    DWORD moved = 0;
    if (!transfer(done, chunk, &moved) || moved == 0) break;
    done += moved;
  }
  return done;
}

size_t ReadFromFile(FileHandle file, void* buffer, size_t length) {
  char* cursor = static_cast<char*>(buffer);
  return TransferInChunks(length, [&](size_t done, DWORD chunk, DWORD* got) {
    return ReadFile(ToHandle(file), cursor + done, chunk, got, nullptr) != 0;
  });
}

size_t WriteToFile(FileHandle file, const void* buffer, size_t length) {
  const char* cursor = static_cast<const char*>(buffer);
  return TransferInChunks(length, [&](size_t done, DWORD chunk, DWORD* put) {
    return WriteFile(ToHandle(file), cursor + done, chunk, put, nullptr) != 0;
  });
}

void CloseFileHandle(FileHandle file) {
  CloseHandle(ToHandle(file));
}

FILE* OpenTextFileForReading(const char* path) {
  FileHandle file;
  if (!OpenFileForReading(path, &file)) return nullptr;
  int descriptor = _open_osfhandle(file.value, _O_RDONLY | _O_TEXT);
  if (descriptor < 0) {
    CloseFileHandle(file);
    return nullptr;
  }
  // The stream owns the descriptor, which owns the handle.
  FILE* stream = _fdopen(descriptor, "r");
  if (!stream) _close(descriptor);
  return stream;
}
