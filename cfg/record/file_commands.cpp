#include "cfg/record/file_commands.h"

static const char kProgramName[] = "56420CFG";
static const char kStartCaption[] = "QLC56420 Configuration Utility";

std::string WindowCaption(const std::string& currentFile) {
  if (currentFile.empty()) return kStartCaption;
  return std::string(kProgramName) + " : " + currentFile;
}

std::string SaveAsDefaultExtension(const std::string& currentFile) {
  size_t nameStart = currentFile.find_last_of("\\/:");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  size_t dot = currentFile.find_last_of('.');
  if (dot == std::string::npos || dot < nameStart) return std::string();
  return currentFile.substr(dot + 1);
}
