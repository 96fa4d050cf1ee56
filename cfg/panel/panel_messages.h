// How the panel rules speak: error and warning boxes that block the whole
// program, each about one of the Panel page's entries, so that the page can
// put the focus there once the box is answered.
#ifndef QLC_CFG_PANEL_PANEL_MESSAGES_H
#define QLC_CFG_PANEL_PANEL_MESSAGES_H

// The Panel page's entries the rules refuse or warn about.
enum PanelField {
  kPanelWidthField = 100,
  kPanelHeightField,
  kPanelHorizTotalField,
  kPanelVertTotalField,
  kPanelHorizStartField,
  kPanelVertStartField,
  kPanelFplineStartField,
  kPanelFplineWidthField,
  kPanelFpframeStartField,
  kPanelFpframeWidthField,
  kPanelFrameRateField,
  kPanelPixelClockField,
};

// Error box (error icon) or warning box (exclamation icon), task-modal with
// an OK button, about field. Returns the answer.
int ShowPanelError(int field, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
int ShowPanelWarning(int field, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

#endif
