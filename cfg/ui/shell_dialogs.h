// The modal dialogs the main window's commands open, and the tooltips. Each
// entry of ShellDialogs starts as the dialog's own procedure; a test may put
// in its own to see what the command hands over.
#ifndef QLC_CFG_UI_SHELL_DIALOGS_H
#define QLC_CFG_UI_SHELL_DIALOGS_H

#include <windows.h>

#include <string>
#include <vector>

// Configure Multiple, with the full names of files already collected (the
// files dropped on the main window; none from the menu).
void RunConfigureMultiple(HWND owner, const std::vector<std::string>& files);
// The Export dialog.
void RunExportDialog(HWND owner);
// The About box, and the logo and palette it shows: loaded when the main
// window is created, released when it ends.
void RunAboutBox(HWND owner);
void LoadAboutLogo(HINSTANCE instance);
void ReleaseAboutLogo();
HBITMAP AboutLogo();
HPALETTE AboutPalette();

struct ShellDialogs {
  void (*configureMultiple)(HWND owner, const std::vector<std::string>& files);
  void (*exportConfiguration)(HWND owner);
  void (*about)(HWND owner);
};
extern ShellDialogs CommandDialogs;

#endif
