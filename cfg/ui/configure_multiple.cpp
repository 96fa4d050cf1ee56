// Configure Multiple: not built yet; the command opens nothing.
#include "shell_dialogs.h"

void RunConfigureMultiple(HWND, const std::vector<std::string>&) {}
