// Drives the modal windows a command opens (dialog boxes, the system's save
// dialog) while the command's own modal loop runs: a thread timer, dispatched
// by whatever loop is running, waits for each scripted window by its title
// and acts on it. Actions post their clicks and keys, so that a dialog they
// open runs its own loop and the next step can find it.
#ifndef QLC_TESTS_CFG_UI_MODAL_DRIVER_H
#define QLC_TESTS_CFG_UI_MODAL_DRIVER_H

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalScript {
 public:
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // The next step: when a visible, enabled window of this thread is titled
  // title, action runs on it.
  ModalScript& Then(const std::string& title, std::function<void(HWND)> action);
  // Titles of the steps not reached; a step that waited too long cancels the
  // window in front and counts as missed.
  std::vector<std::string> Missed() const;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Step();

  struct Entry {
    std::string title;
    std::function<void(HWND)> action;
  };
  std::deque<Entry> steps_;
  std::vector<std::string> missed_;
  UINT_PTR timer_;
  DWORD waitingSince_;
};

// Finds a control by id anywhere below window (the save dialog keeps its
// extension's buttons in a child dialog).
HWND FindControl(HWND window, int id);
// Posts a click on a button, as the mouse makes one.
void PostClick(HWND window, int id);
// Posts a key press to a control.
void PostKey(HWND control, WPARAM key);
// The entries of a list box.
std::vector<std::string> ListEntries(HWND list);
// The save dialog's file-name field.
HWND SaveDialogFileName(HWND saveDialog);
// The text of a window.
std::string WindowText(HWND window);

#endif
