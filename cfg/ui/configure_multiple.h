// Configure Multiple: browse folders and drives, collect files (also by
// dropping them), and write the working record into each of them.
#ifndef QLC_CFG_UI_CONFIGURE_MULTIPLE_H
#define QLC_CFG_UI_CONFIGURE_MULTIPLE_H

#include <windows.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"

// The dialog, modal over owner, writing config's working record; files are
// full names already collected (the files dropped on the main window; none
// from the menu).
void RunConfigureMultiple(HWND owner, Configuration& config, const std::vector<std::string>& files);

// When the progress line is drawn while the files are written: for the
// first file, then at most once per interval, and always for the last one.
class ProgressPacer {
 public:
  explicit ProgressPacer(DWORD intervalMs) : interval_(intervalMs) {}
  bool Due(DWORD now, bool last);

 private:
  DWORD interval_;
  bool started_ = false;
  DWORD lastShown_ = 0;
};

#endif
