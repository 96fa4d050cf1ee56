// Drives the configurator's real main window as a user's input does: tab
// clicks through the tab control's notifications, button clicks, list choices
// and typing followed by the notifications the controls send, key presses
// through the message loop's keyboard handling. Message boxes are recorded and
// answered by script; the file dialogs answer with scripted names.
#ifndef QLC_TESTS_CFG_UI_WINDOW_DRIVER_H
#define QLC_TESTS_CFG_UI_WINDOW_DRIVER_H

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "cfg/ui/file_dialogs.h"
#include "common/hal_struct.h"
#include "tests/bmp/program_runner.h"  // BuiltBmpProgram: a configurable file
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

// Each test starts the program afresh: default records, no hand-set marks,
// a new main window showing the General page.
class MainWindowTest : public ConfigurationTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Main() const;
  HWND Tabs() const;
  HWND Page() const;  // the open page
  int PageIndex() const;

  // A click on tab index: false when the open page refused to be left.
  bool ClickTab(int index);
  // The program started again on the record as it is now, showing the same tab.
  void StartAgain();
  void ClickButton(int id);             // BM_CLICK on a control of the open page
  void ChooseEntry(int id, int index);  // a list entry picked with the mouse
  void ChooseEntry(int id, const std::string& text);
  void TypeInto(int id, const std::string& text);  // replaces an edit's or a list's text by keys
  void Menu(int command);                          // a menu item chosen
  // Whether a File menu item is enabled as the menu opens.
  bool MenuItemEnabled(int command);

  std::string Text(int id) const;  // what a control of the open page shows
  bool Checked(int id) const;
  bool Enabled(int id) const;
  int FocusId() const;                             // id of the control with the focus
  std::vector<std::string> Entries(int id) const;  // a list's entries
  int Selected(int id) const;
  std::string Caption() const;
  // The tab control's display area, in its client coordinates.
  RECT DisplayArea() const;

  // A key pressed on the focused window, with Ctrl / Shift / Alt held, passed
  // through the message loop's handling.
  void PressKey(WPARAM key, bool ctrl = false, bool shift = false);
  void PressAltKey(char letter);
  // A menu item chosen by the keyboard: Alt and the menu's letter, then the
  // item's letter, taken by the menu's own loop.
  void ChooseMenuByKeys(char menu, char item);
  void PumpMessages();

  MessageRecorder messages;
  std::vector<std::string> Messages() const { return messages.Texts(); }

 public:  // the scripted dialogs record into these
  // The names the next file dialogs answer with ("" cancels), and what the
  // dialogs were asked.
  std::deque<std::string> chosenFiles;
  std::vector<FileDialogRequest> fileRequests;

  // Files handed to Configure Multiple, one entry per opening.
  std::vector<std::vector<std::string>> configureMultipleCalls;
  int exportCalls = 0;
};

// A window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND other);
// The entries of a combo box, in list order.
std::vector<std::string> ComboEntries(HWND box);

// A Windows path for a path of the build's host.
std::string WindowsPath(const std::string& path);
// The configurable record inside a file, read the way the configurator reads it.
bool RecordOfFile(const std::string& path, HAL_STRUCT* record);

#endif
