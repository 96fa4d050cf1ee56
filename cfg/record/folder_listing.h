// The one platform layer of Configure Multiple's browsing: the entries of the
// process's current folder, the drives present, and moving between folders
// and drives. One implementation uses the Win32 calls, the other POSIX; POSIX
// systems have no drives.
#ifndef QLC_CFG_RECORD_FOLDER_LISTING_H
#define QLC_CFG_RECORD_FOLDER_LISTING_H

#include <string>
#include <vector>

struct FolderEntry {
  std::string name;
  bool isFolder;
};

// The separator a full path puts between a folder and a name.
extern const char kFolderSeparator;

// Every entry of the current folder in the system's order, ".." included and
// "." left out. False (with no entries) when the folder cannot be read.
bool ListCurrentFolder(std::vector<FolderEntry>* entries);
// The letters of the drives present, 'A' to 'Z' in order.
std::vector<char> PresentDrives();

// The current folder's full path; empty when it cannot be had.
std::string CurrentFolder();
// Moves into a folder given relative to the current one (".." goes up);
// false leaves the current folder as it was.
bool ChangeFolder(const std::string& name);
// Moves to a drive's own current folder; false where there is no such drive.
bool ChangeDrive(char letter);

// Whether name is a file (not a folder) of the current folder.
bool IsFileInCurrentFolder(const std::string& name);

#endif
