#include <windows.h>

#include <string>

#include "cfg/record/save_io.h"
#include "cfg/record/wide_names.h"

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

// The folder is split off in wide characters: in a double-byte code page a
// character's second byte may equal the separator.
bool CreateFileBeside(const char* target, FileHandle* file, std::string* created) {
  std::wstring folder = WideFileName(target);
  size_t separator = folder.find_last_of(L"\\/");
  folder = separator == std::wstring::npos ? L"." : folder.substr(0, separator + 1);
  wchar_t name[MAX_PATH];
  // Makes an empty file of a name no other file has.
  if (GetTempFileNameW(folder.c_str(), L"qlc", 0, name) == 0) return false;
  HANDLE handle = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    DeleteFileW(name);
    return false;
  }
  file->value = reinterpret_cast<intptr_t>(handle);
  created->assign(NarrowFileName(name));
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
