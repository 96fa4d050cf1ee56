#include <windows.h>

#include <filesystem>

#include "save_io.h"

bool NamesSameFile(const char* first, const char* second) {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE a = CreateFileA(first, 0, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (a == INVALID_HANDLE_VALUE) return false;
  HANDLE b = CreateFileA(second, 0, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool same = false;
  if (b != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION infoA;
    BY_HANDLE_FILE_INFORMATION infoB;
    same = GetFileInformationByHandle(a, &infoA) && GetFileInformationByHandle(b, &infoB) &&
           infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
           infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
           infoA.nFileIndexLow == infoB.nFileIndexLow;
    CloseHandle(b);
  }
  CloseHandle(a);
  return same;
}

bool CreateFileBeside(const char* target, FileHandle* file, std::string* created) {
  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  char name[MAX_PATH];
  // Makes an empty file of a name no other file has.
  if (GetTempFileNameA(folder.empty() ? "." : folder.string().c_str(), "qlc", 0, name) == 0)
    return false;
  HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DeleteFileA(name);
    return false;
  }
  file->value = reinterpret_cast<intptr_t>(handle);
  created->assign(name);
  return true;
}

// The copy is made with normal attributes: it never inherits the source's
// read-only attribute, and Windows keeps no other permissions on the file.
bool GiveCopyPermissions(FileHandle, FileHandle) {
  return true;
}

bool FlushFileToDisk(FileHandle file) {
  return FlushFileBuffers(reinterpret_cast<HANDLE>(file.value)) != 0;
}

// Windows refuses to replace a read-only target itself.
bool PutFileInPlace(const char* finished, const char* target) {
  return MoveFileExA(finished, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const char* path) {
  DeleteFileA(path);
}
