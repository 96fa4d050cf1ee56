// Opening a preview file for the user to read. Windows starts Notepad; POSIX
// systems use xdg-open when it is on PATH and otherwise print the path.
#ifndef QLC_CFG_EXPORT_PREVIEW_VIEWER_H
#define QLC_CFG_EXPORT_PREVIEW_VIEWER_H

#include <string>

// commandLine receives the command line that was started (or tried); false
// when it could not be started or reported failure.
bool StartPreviewViewer(const std::string& path, std::string* commandLine);

#endif
