// A page that shows the working record the same way when it is made and
// each time it is shown again, and hands its buttons' clicks to one handler.
#ifndef QLC_CFG_UI_RECORD_PAGE_H
#define QLC_CFG_UI_RECORD_PAGE_H

#include "cfg/record/configuration.h"
#include "cfg/ui/dialog_window.h"

class RecordPage : public DialogWindow {
 public:
  explicit RecordPage(Configuration& config) : config_(config) {}

 protected:
  // Every control from the working record, as on a new page, changing only
  // what shows something else.
  virtual void ShowRecord() = 0;
  // A click on one of the page's buttons.
  virtual void ButtonClicked(int id) { (void)id; }

  BOOL OnInitialize() override {
    ShowRecord();
    return TRUE;
  }
  void OnShow() override { ShowRecord(); }
  bool OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) ButtonClicked(id);
    return true;
  }

  Configuration& config_;
};

#endif
