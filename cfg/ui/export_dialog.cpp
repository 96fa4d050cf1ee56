// Export: not built yet; the command opens nothing.
#include "shell_dialogs.h"

void RunExportDialog(HWND) {}
