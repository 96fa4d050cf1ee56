// The tooltips of the main window and its pages.
#ifndef QLC_CFG_UI_TOOLTIPS_H
#define QLC_CFG_UI_TOOLTIPS_H

#include <windows.h>

// Creates the tooltip window and its hook; false leaves the program without
// tooltips.
bool CreateTooltips(HWND mainWindow);
void DestroyTooltips();
// Registers every non-static child of parent as a tool.
void RegisterTools(HWND parent);
// Answers the tooltip window's text request; false when it is not one.
bool AnswerTooltipRequest(NMHDR* header);

// Help > Enable ToolTips; on at start.
void SetTooltipsEnabled(bool enabled);
bool TooltipsEnabled();

#endif
