// The configurator's main window: the tab control with its pages, the menu
// and its file commands, dropped files, and the message loop. The window is
// an object holding the configuration it edits, which it hands to each page
// it makes; the functions below reach the program's one main window.
#ifndef QLC_CFG_UI_MAIN_WINDOW_H
#define QLC_CFG_UI_MAIN_WINDOW_H

#include <windows.h>

#include <memory>
#include <string>

#include "cfg/record/configuration.h"
#include "cfg/ui/page_table.h"

// Start-up: common controls, the window class "56420CFG", the main window from
// dialog 101, its six tabs and the tooltips; shows the window, builds the
// General page and, given a file, opens it. Null when the window could not be
// made (nothing is left behind). The window edits config, which must outlive it.
HWND CreateMainWindow(HINSTANCE instance, int show, Configuration& config,
                      const char* fileToOpen = nullptr);

// The keyboard handling of the message loop for one message: Ctrl+Tab,
// Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp move between the tabs, then
// the open page's dialog keys (Tab, arrows, mnemonics), then the main
// window's. True when the message was consumed (dispatched or handled).
bool PreTranslateMainWindowMessage(MSG* message);

// Runs until the quit message (the main window was destroyed); returns the
// program's exit code, 0.
int RunMessageLoop();

// A page of the table as the tab control shows it the first time: made to
// edit config, created as the tab control's child with its tools
// registered, placed at the top-left corner of the display area (not
// resized) and shown; null when its window could not be made. The main
// window's own step for a tab shown the first time; the page-building
// benchmark builds pages through it too. Destroy the page's window before
// the page.
std::unique_ptr<DialogWindow> CreatePageWindow(const PageEntry& entry, Configuration& config,
                                               HWND tabs);

// The main window, null before it is made and once it is gone.
HWND MainWindow();
HWND TabControl();
HWND OpenPage();
int OpenPageIndex();
// Full, upper-cased path of the file Open chose; empty before the first
// successful Open.
const std::string& CurrentFileName();

// The View menu's windows; their Handle() is null while they are closed.
class TimingDiagramWindow;
class PanelPreviewWindow;
const TimingDiagramWindow* TimingDiagramView();
const PanelPreviewWindow* PanelPreviewView();

#endif
