#include "cfg/ui/predefined_panels.h"

#include <windows.h>

#include "cfg/panel/matching.h"

static PanelList g_panels(QualifyPanel);

static std::string ProgramFolder() {
  char path[MAX_PATH * 4];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return ".";
  return FolderOfProgram(std::string(path, length));
}

void LoadPredefinedPanels() {
  g_panels.LoadPanelList(ProgramFolder());
}

const PanelList& PredefinedPanels() {
  return g_panels;
}
