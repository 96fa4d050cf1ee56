// The system's open and save dialogs of the file commands, replaceable by a
// chooser that answers without a dialog (the tests script the names).
#ifndef QLC_CFG_UI_FILE_DIALOGS_H
#define QLC_CFG_UI_FILE_DIALOGS_H

#include <windows.h>

#include <string>

#include "cfg/export/export_kinds.h"

struct FileDialogRequest {
  bool save;                     // Save As, else Open
  const char* title;             // "Open File" or "Save As"
  std::string filter;            // description and pattern pairs, NUL-separated; may be empty
  std::string defaultExtension;  // without the dot; may be empty
  std::string initialName;
};

// The filters as the system's dialogs take them: description and pattern of
// each, NUL-separated (without the empty pair that ends the list).
std::string FilterList(const FileFilter* filters, size_t count);

// Shows the request's dialog; true with the chosen full path, false when the
// user cancels.
typedef bool (*FileChooser)(HWND owner, const FileDialogRequest& request, std::string* chosen);

// Installs a chooser and returns the previous one; nullptr restores the
// system dialogs.
FileChooser SetFileChooser(FileChooser chooser);
bool ChooseFile(HWND owner, const FileDialogRequest& request, std::string* chosen);

// The requests of File > Open, File > Save As, File > Import Timing and the
// Panel Preview's "Picture...".
FileDialogRequest OpenFileRequest();
FileDialogRequest SaveAsRequest(const std::string& currentFile);
FileDialogRequest ImportTimingRequest();
FileDialogRequest PictureRequest();

#endif
