#include <windows.h>

#include "cfg/record/folder_listing.h"

const char kFolderSeparator = '\\';

bool ListCurrentFolder(std::vector<FolderEntry>* entries) {
  entries->clear();
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(".\\*.*", &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  do {
    std::string name = found.cFileName;
    if (name == ".") continue;
    entries->push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

std::vector<char> PresentDrives() {
  std::vector<char> drives;
  DWORD present = GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (present & (DWORD(1) << i)) drives.push_back(static_cast<char>('A' + i));
  return drives;
}

std::string CurrentFolder() {
  DWORD length = GetCurrentDirectoryA(0, nullptr);
  if (length == 0) return std::string();
  std::string path(length, '\0');
  DWORD got = GetCurrentDirectoryA(length, &path[0]);
  path.resize(got < length ? got : 0);
  return path;
}

bool ChangeFolder(const std::string& name) {
  return !name.empty() && SetCurrentDirectoryA(name.c_str()) != 0;
}

bool ChangeDrive(char letter) {
  // "X:" alone names the process's current folder on that drive.
  char drive[] = {letter, ':', '\0'};
  return SetCurrentDirectoryA(drive) != 0;
}

bool IsFileInCurrentFolder(const std::string& name) {
  if (name.empty()) return false;
  DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
