// The modal dialogs the main window's commands open. Each entry of
// ShellDialogs starts as the dialog's own function; a test may put in its own
// to see what the command hands over.
#ifndef QLC_CFG_UI_SHELL_DIALOGS_H
#define QLC_CFG_UI_SHELL_DIALOGS_H

#include <windows.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"
#include "cfg/ui/about_box.h"
#include "cfg/ui/configure_multiple.h"
#include "cfg/ui/export_dialog.h"

struct ShellDialogs {
  void (*configureMultiple)(HWND owner, Configuration& config,
                            const std::vector<std::string>& files);
  void (*exportConfiguration)(HWND owner, Configuration& config);
  void (*about)(HWND owner, const AboutLogo& logo);
};
extern ShellDialogs CommandDialogs;

#endif
