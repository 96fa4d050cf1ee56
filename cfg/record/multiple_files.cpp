#include "cfg/record/multiple_files.h"

#include <stdio.h>

#include "cfg/record/config_file.h"
#include "cfg/record/file_messages.h"
#include "common/message.h"
#include "common/text_read.h"

bool IsConfigurableFileName(const std::string& name) {
  static const char* const kExtensions[] = {".exe", ".s9", ".IDP", ".LVB", ".ELF"};
  for (const char* extension : kExtensions)
    if (EndsWithNoCase(name.c_str(), extension)) return true;
  return false;
}

std::string FolderEntryText(const FolderEntry& entry) {
  return entry.isFolder ? "[" + entry.name + "]" : entry.name;
}

std::string DriveEntryText(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  return std::string("[-") + letter + "-]";
}

FolderListing ListFolderForSelection(bool showAllFiles) {
  FolderListing listing;
  std::vector<FolderEntry> entries;
  ListCurrentFolder(&entries);
  for (const FolderEntry& entry : entries) {
    if (entry.isFolder || showAllFiles || IsConfigurableFileName(entry.name))
      listing.entries.push_back(FolderEntryText(entry));
  }
  for (char letter : PresentDrives()) listing.drives.push_back(DriveEntryText(letter));
  listing.folder = CurrentFolder();
  return listing;
}

std::string SelectedFilePath(const std::string& entry) {
  if (!IsFileInCurrentFolder(entry)) return std::string();
  std::string path = CurrentFolder();
  if (path.empty()) return std::string();
  char last = path.back();
  if (last != kFolderSeparator && last != '/' && last != '\\') path += kFolderSeparator;
  return path + entry;
}

bool EnterFolderEntry(const std::string& entry) {
  // The closing bracket goes first; what is left must open with one.
  if (entry.size() < 3 || entry.front() != '[' || entry.back() != ']') return false;
  std::string inside = entry.substr(1, entry.size() - 2);
  if (inside.size() == 3 && inside.front() == '-' && inside.back() == '-')
    return ChangeDrive(inside[1]);
  return ChangeFolder(inside);
}

std::string ConfigureProgressText(size_t number, size_t count, const std::string& file) {
  char text[64];
  snprintf(text, sizeof text, "Configuring file %u of %u: ", static_cast<unsigned>(number),
           static_cast<unsigned>(count));
  return text + file;
}

std::string ConfigureSummaryText(size_t configured, size_t failed) {
  char text[96];
  snprintf(text, sizeof text, "%u %s configured, %u failed.", static_cast<unsigned>(configured),
           configured == 1 ? "file" : "files", static_cast<unsigned>(failed));
  return text;
}

ConfigureOutcome ConfigureFiles(Configuration& config, const std::vector<std::string>& files,
                                bool preserveAddresses, ConfigureProgress progress, void* context) {
  ConfigureOutcome outcome = {0, 0};
  if (files.empty()) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_NO_FILES_SELECTED);
    return outcome;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (progress) progress(context, i + 1, files.size(), files[i]);
    if (SaveConfigFile(config, files[i].c_str(), nullptr, preserveAddresses)) {
      ++outcome.configured;
    } else {
      ++outcome.failed;
      ShowMessage(kMsgOk | kMsgIconError, MSG_NOT_CONFIGURABLE, files[i].c_str());
    }
  }
  unsigned icon = outcome.failed ? kMsgIconWarning : kMsgIconInfo;
  ShowMessage(kMsgOk | icon, "%s",
              ConfigureSummaryText(outcome.configured, outcome.failed).c_str());
  return outcome;
}
