#include "cfg/record/file_copy.h"

#include <filesystem>
#include <memory>
#include <new>
#include <string>

#include "cfg/record/file_io.h"
#include "cfg/record/save_io.h"

namespace {

// The name the copy finally takes: a link leads to the file it names, so the
// copy is made in that file's folder and replaces that file.
std::string FinalName(const char* target) {
  std::error_code error;
  if (!std::filesystem::is_symlink(target, error)) return target;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(target, error);
  return error ? std::string(target) : resolved.string();
}

// Copies the whole content of input to output; a source that ends early or
// cannot be read fails the copy.
bool CopyContent(FileHandle input, FileHandle output) {
  uint64_t remaining = 0;
  if (!SeekFileToEnd(input, &remaining) || !SeekFileTo(input, 0)) return false;
  static const size_t kChunk = size_t(1) << 20;
  std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[kChunk]);
  if (!chunk) return false;
  while (remaining > 0) {
    size_t part = remaining < kChunk ? static_cast<size_t>(remaining) : kChunk;
    if (ReadFromFile(input, chunk.get(), part) != part) return false;
    if (WriteToFile(output, chunk.get(), part) != part) return false;
    remaining -= part;
  }
  return true;
}

}  // namespace

bool CopyFileOver(const char* source, const char* target) {
  if (NamesSameFile(source, target)) return true;
  std::string destination = FinalName(target);
  FileHandle input;
  if (!OpenFileForReading(source, &input)) return false;
  FileHandle output;
  std::string part;
  if (!CreateFileBeside(destination.c_str(), &output, &part)) {
    CloseFileHandle(input);
    return false;
  }
  bool copied =
      CopyContent(input, output) && GiveCopyPermissions(input, output) && FlushFileToDisk(output);
  CloseFileHandle(output);
  CloseFileHandle(input);
  if (copied && PutFileInPlace(part.c_str(), destination.c_str())) return true;
  RemoveFile(part.c_str());
  return false;
}
