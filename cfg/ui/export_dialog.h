// Export: the dialog that picks the kind, then the system's save dialog with
// its Preview and Options buttons. The files are written by the export frame.
#ifndef QLC_CFG_UI_EXPORT_DIALOG_H
#define QLC_CFG_UI_EXPORT_DIALOG_H

#include <windows.h>

#include "cfg/record/configuration.h"

// Exports config's working record in the kind the user picks, under the name
// the user gives.
void RunExportDialog(HWND owner, Configuration& config);

#endif
