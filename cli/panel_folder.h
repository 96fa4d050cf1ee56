// Where qlccfg looks for DEBUG.DEF and PANELS.DEF when no --def is given.
#ifndef QLC_CLI_PANEL_FOLDER_H
#define QLC_CLI_PANEL_FOLDER_H

#include <string>

// The folder installed packages put PANELS.DEF in, relative to the folder
// that holds the program (bin/ beside share/).
extern const char kInstalledPanelFolder[];

// The program's own folder when a definition file lies there (a Windows
// installation, a build folder); otherwise the installed folder beside it
// when that holds one (a Linux package); otherwise the program's folder.
std::string PanelFolderOfProgram(const std::string& programFolder);

#endif
