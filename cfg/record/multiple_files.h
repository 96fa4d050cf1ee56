// Configure Multiple without its window: the entries the folder list shows,
// what an entry stands for, and writing the working record into many files.
#ifndef QLC_CFG_RECORD_MULTIPLE_FILES_H
#define QLC_CFG_RECORD_MULTIPLE_FILES_H

#include <stddef.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"
#include "cfg/record/folder_listing.h"

#define MSG_NO_FILES_SELECTED "ERROR: No files selected!"

// The names "Show conf. files only" keeps: ".exe", ".s9", ".IDP", ".LVB" and
// ".ELF" at the end, compared without regard to case.
bool IsConfigurableFileName(const std::string& name);

// A file's entry is its plain name, a folder's "[name]" (the parent "[..]"),
// a drive's "[-C-]".
std::string FolderEntryText(const FolderEntry& entry);
std::string DriveEntryText(char letter);

// What the folder list shows for the current folder.
struct FolderListing {
  std::vector<std::string> entries;  // files and folders, in the system's order
  std::vector<std::string> drives;   // shown after them, in drive order
  std::string folder;                // the current folder's full path
};
// Files pass when showAllFiles or when their names are configurable.
FolderListing ListFolderForSelection(bool showAllFiles);

// The full path of an entry that names a file of the current folder: the
// folder, a separator unless the folder ends in one, and the name. Empty for
// folder and drive entries (and for a file that has gone).
std::string SelectedFilePath(const std::string& entry);

// Follows a folder or drive entry: "[name]" moves into that folder ("[..]" up),
// "[-C-]" to drive C. False, with the current folder as it was, for any other
// entry or a move that fails.
bool EnterFolderEntry(const std::string& entry);

// "Configuring file 3 of 1000: C:\WORK\DEMO.EXE", shown while it is written.
std::string ConfigureProgressText(size_t number, size_t count, const std::string& file);
// The line after a run: "998 files configured, 2 failed."
std::string ConfigureSummaryText(size_t configured, size_t failed);

struct ConfigureOutcome {
  size_t configured;
  size_t failed;
};
// Called before each file is written, number counting from 1.
typedef void (*ConfigureProgress)(void* context, size_t number, size_t count,
                                  const std::string& file);

// Writes the working record into every file in order (SaveConfigFile, the
// file's own addresses kept when preserveAddresses). Each failure shows
// "ERROR: File \"%s\" is not configurable!" and the run goes on; at the end
// the summary line is shown. An empty list shows "ERROR: No files selected!"
// and writes nothing.
ConfigureOutcome ConfigureFiles(Configuration& config, const std::vector<std::string>& files,
                                bool preserveAddresses, ConfigureProgress progress = nullptr,
                                void* context = nullptr);

#endif
