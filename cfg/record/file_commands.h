// What the configurator's file commands show and propose: the window caption
// for the current file and the extension the Save As dialog adds.
#ifndef QLC_CFG_RECORD_FILE_COMMANDS_H
#define QLC_CFG_RECORD_FILE_COMMANDS_H

#include <string>

// "QLC56420 Configuration Utility" while no file is current, else
// "56420CFG : " and the current file's (upper-cased) full path.
std::string WindowCaption(const std::string& currentFile);

// The extension of the current file's own name without its dot ("EXE" for
// C:\WORK\DEMO.EXE), so that a name typed without one gets the current
// file's; empty when the name has none. Dots in folder names do not count.
std::string SaveAsDefaultExtension(const std::string& currentFile);

#endif
