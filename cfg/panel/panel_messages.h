// How the panel rules speak: error and warning boxes owned by the page that
// registered itself, each followed by a request to move the focus to the bad
// entry. The requests are kept here until the page carries them out.
#ifndef QLC_CFG_PANEL_PANEL_MESSAGES_H
#define QLC_CFG_PANEL_PANEL_MESSAGES_H

#include <vector>

// Win32 MB_TASKMODAL: the box blocks every window of the program.
enum { kMsgTaskModal = 0x2000 };

// Control ids of the Panel page that focus requests name.
enum PanelControlId {
  kCtlWidthList = 1008,
  kCtlHeightList = 1010,
  kCtlHorizTotalSpin = 1012,
  kCtlVertTotalSpin = 1015,
  kCtlFplineStartSpin = 1016,
  kCtlFplineWidthSpin = 1018,
  kCtlFpframeStartSpin = 1020,
  kCtlFpframeWidthSpin = 1023,
  kCtlFrameRateList = 1025,
  kCtlPixelClockList = 1027,
  kCtlHorizStartSpin = 1452,
  kCtlVertStartSpin = 1455,
};

struct PanelFocusRequest {
  int control;
  bool selectAllText;  // the width and height lists get their text selected
};

// The window the boxes belong to (nullptr when none is registered).
void SetPanelMessageOwner(void* page);
void* PanelMessageOwner();

// Error box (error icon) or warning box (exclamation icon), task-modal with
// an OK button; then a focus request for control. Returns the answer.
int ShowPanelError(int control, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
int ShowPanelWarning(int control, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// True while one of the two boxes is up: the width and height edit boxes then
// ignore the loss of the focus.
bool PanelMessageShowing();

// The focus requests made since the last call, oldest first.
std::vector<PanelFocusRequest> TakePanelFocusRequests();

#endif
