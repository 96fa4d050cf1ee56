#include "cli/panel_folder.h"

#include <filesystem>

namespace fs = std::filesystem;

const char kInstalledPanelFolder[] = "../share/qlc56420";

namespace {

bool HoldsDefinitionFile(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / "DEBUG.DEF", error) ||
         fs::is_regular_file(folder / "PANELS.DEF", error);
}

}  // namespace

std::string PanelFolderOfProgram(const std::string& programFolder) {
  const fs::path folder(programFolder);
  if (HoldsDefinitionFile(folder)) return programFolder;
  const fs::path installed = (folder / kInstalledPanelFolder).lexically_normal();
  if (HoldsDefinitionFile(installed)) return installed.string();
  return programFolder;
}
