#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cfg/record/folder_listing.h"

const char kFolderSeparator = '/';

bool ListCurrentFolder(std::vector<FolderEntry>* entries) {
  entries->clear();
  DIR* folder = opendir(".");
  if (!folder) return false;
  while (const dirent* entry = readdir(folder)) {
    std::string name = entry->d_name;
    if (name == ".") continue;
    // Links count as what they point to, as the Windows listing sees them.
    struct stat status;
    bool isFolder = stat(name.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    entries->push_back({name, isFolder});
  }
  closedir(folder);
  return true;
}

std::vector<char> PresentDrives() {
  return {};
}

std::string CurrentFolder() {
  char path[PATH_MAX];
  return getcwd(path, sizeof path) ? std::string(path) : std::string();
}

bool ChangeFolder(const std::string& name) {
  return !name.empty() && chdir(name.c_str()) == 0;
}

bool ChangeDrive(char) {
  return false;
}

bool IsFileInCurrentFolder(const std::string& name) {
  struct stat status;
  return !name.empty() && stat(name.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}
