#include "cfg/ui/shell_dialogs.h"

ShellDialogs CommandDialogs = {RunConfigureMultiple, RunExportDialog, RunAboutBox};
