// Export Options: the software cursor, software blit emulation and the mode
// number of the driver headers. Every change takes effect at once; OK and
// Cancel both just close the dialog.
#ifndef QLC_CFG_UI_EXPORT_OPTIONS_DIALOG_H
#define QLC_CFG_UI_EXPORT_OPTIONS_DIALOG_H

#include <windows.h>

#include "cfg/record/configuration.h"

// Edits config's export options. showModeNumber false hides the mode number
// and its label (the generic driver header has none).
void RunExportOptions(HWND owner, Configuration& config, bool showModeNumber);

#endif
