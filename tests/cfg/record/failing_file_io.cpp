// The platform's own file layer, compiled here under other names, behind
// functions of the layer's names that fail when a test says so.
#include "tests/cfg/record/failing_file_io.h"

#define OpenFileForReading PlatformOpenFileForReading
#define OpenExistingFileForWriting PlatformOpenExistingFileForWriting
#define SeekFileToEnd PlatformSeekFileToEnd
#define SeekFileTo PlatformSeekFileTo
#define ReadFromFile PlatformReadFromFile
#define WriteToFile PlatformWriteToFile
#define CloseFileHandle PlatformCloseFileHandle
#define CreateFileBeside PlatformCreateFileBeside
#define FlushFileToDisk PlatformFlushFileToDisk
#define PutFileInPlace PlatformPutFileInPlace
#ifdef _WIN32
#include "cfg/record/file_io_win32.cpp"
#include "cfg/record/save_io_win32.cpp"
#else
#include "cfg/record/file_io_posix.cpp"
#include "cfg/record/save_io_posix.cpp"
#endif
#undef OpenFileForReading
#undef OpenExistingFileForWriting
#undef SeekFileToEnd
#undef SeekFileTo
#undef ReadFromFile
#undef WriteToFile
#undef CloseFileHandle
#undef CreateFileBeside
#undef FlushFileToDisk
#undef PutFileInPlace

#include <map>
#include <set>

namespace {

std::vector<FileFault> g_faults;
std::vector<WriteSeen> g_writes;
std::map<FileCall, int> g_calls;
// Where each open file's pointer stands, so that writes can be recorded with
// their offsets.
std::map<intptr_t, uint64_t> g_positions;
// Files opened for writing: positioning, transfer and flush faults strike
// only these, so that the reading that comes before a save is left alone.
std::set<intptr_t> g_writable;

// Counts the call and answers whether it fails; moved is what a failing
// transfer still moves.
bool Fails(FileCall call, size_t* moved = nullptr) {
  ++g_calls[call];
  bool struck = false;
  // Every fault counts every call of its kind, whichever fault strikes it.
  for (FileFault& fault : g_faults) {
    if (fault.call != call || fault.passing < 0) continue;
    if (fault.passing > 0) {
      --fault.passing;
      continue;
    }
    if (!struck && moved) *moved = fault.movedBytes;
    struck = true;
    // A single fault is spent once it has struck.
    if (!fault.lasting) fault.passing = -1;
  }
  return struck;
}

bool FailsOn(FileHandle file, FileCall call, size_t* moved = nullptr) {
  if (!g_writable.count(file.value)) return false;
  return Fails(call, moved);
}

}  // namespace

ScopedFileFault::ScopedFileFault(FileCall call, int passing, size_t movedBytes, bool lasting) {
  g_faults.push_back(FileFault{call, passing, movedBytes, lasting});
}

ScopedFileFault::~ScopedFileFault() {
  g_faults.pop_back();
}

const std::vector<WriteSeen>& WritesSeen() {
  return g_writes;
}

int CallsSeen(FileCall call) {
  auto found = g_calls.find(call);
  return found == g_calls.end() ? 0 : found->second;
}

void ForgetFileCalls() {
  g_writes.clear();
  g_calls.clear();
}

bool OpenFileForReading(const char* path, FileHandle* file) {
  if (Fails(FileCall::kOpenForReading)) return false;
  if (!PlatformOpenFileForReading(path, file)) return false;
  g_positions[file->value] = 0;
  return true;
}

bool OpenExistingFileForWriting(const char* path, FileHandle* file) {
  if (Fails(FileCall::kOpenForWriting)) return false;
  if (!PlatformOpenExistingFileForWriting(path, file)) return false;
  g_positions[file->value] = 0;
  g_writable.insert(file->value);
  return true;
}

bool SeekFileToEnd(FileHandle file, uint64_t* length) {
  if (FailsOn(file, FileCall::kSeek)) return false;
  if (!PlatformSeekFileToEnd(file, length)) return false;
  g_positions[file.value] = *length;
  return true;
}

bool SeekFileTo(FileHandle file, uint64_t offset) {
  if (FailsOn(file, FileCall::kSeek)) return false;
  if (!PlatformSeekFileTo(file, offset)) return false;
  g_positions[file.value] = offset;
  return true;
}

size_t ReadFromFile(FileHandle file, void* buffer, size_t length) {
  size_t moved = 0;
  bool fails = FailsOn(file, FileCall::kRead, &moved);
  size_t got = PlatformReadFromFile(file, buffer, fails && moved < length ? moved : length);
  g_positions[file.value] += got;
  return got;
}

size_t WriteToFile(FileHandle file, const void* buffer, size_t length) {
  size_t moved = 0;
  bool fails = FailsOn(file, FileCall::kWrite, &moved);
  g_writes.push_back(WriteSeen{g_positions[file.value], length});
  size_t put = PlatformWriteToFile(file, buffer, fails && moved < length ? moved : length);
  g_positions[file.value] += put;
  return put;
}

void CloseFileHandle(FileHandle file) {
  g_positions.erase(file.value);
  g_writable.erase(file.value);
  PlatformCloseFileHandle(file);
}

bool CreateFileBeside(const char* target, FileHandle* file, std::string* created) {
  if (Fails(FileCall::kCreateBeside)) return false;
  if (!PlatformCreateFileBeside(target, file, created)) return false;
  g_positions[file->value] = 0;
  g_writable.insert(file->value);
  return true;
}

bool FlushFileToDisk(FileHandle file) {
  return !FailsOn(file, FileCall::kFlush) && PlatformFlushFileToDisk(file);
}

bool PutFileInPlace(const char* finished, const char* target) {
  return !Fails(FileCall::kPutInPlace) && PlatformPutFileInPlace(finished, target);
}
