#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "cfg/record/save_io.h"

static int Descriptor(FileHandle file) {
  return static_cast<int>(file.value);
}

bool NamesSameFile(const char* first, const char* second) {
  struct stat a;
  struct stat b;
  return stat(first, &a) == 0 && stat(second, &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

bool CreateFileBeside(const char* target, FileHandle* file, std::string* created) {
  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  std::string pattern = (folder.empty() ? std::string(".") : folder.string()) + "/.qlc-copy-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int descriptor = mkstemp(name.data());
  if (descriptor < 0) return false;
  file->value = descriptor;
  created->assign(name.data());
  return true;
}

bool GiveCopyPermissions(FileHandle source, FileHandle copy) {
  struct stat status;
  if (fstat(Descriptor(source), &status) != 0) return false;
  // Set-user and set-group bits belong to the source's owner, not the copy's.
  return fchmod(Descriptor(copy), (status.st_mode & 0777) | S_IWUSR) == 0;
}

bool FlushFileToDisk(FileHandle file) {
  return fsync(Descriptor(file)) == 0;
}

bool PutFileInPlace(const char* finished, const char* target) {
  // rename() would replace a write-protected file as readily as any other;
  // copying over it must be refused as writing into it would be.
  if (access(target, F_OK) == 0 && access(target, W_OK) != 0) return false;
  return rename(finished, target) == 0;
}

void RemoveFile(const char* path) {
  unlink(path);
}
