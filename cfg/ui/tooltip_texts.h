// The tooltip texts of the pages' controls, by control id.
#ifndef QLC_CFG_UI_TOOLTIP_TEXTS_H
#define QLC_CFG_UI_TOOLTIP_TEXTS_H

struct TooltipText {
  int controlId;
  const char* text;
};

extern const TooltipText kTooltipTexts[];
extern const int kTooltipTextCount;

// The tip of a control, or nullptr when it has none.
const char* TooltipTextOf(int controlId);

#endif
