// The tooltips of the main window and its pages: one tooltip window owned by
// the main window, tips 300 pixels wide at most that stay up for 20 seconds.
#ifndef QLC_CFG_UI_TOOLTIPS_H
#define QLC_CFG_UI_TOOLTIPS_H

#include <windows.h>

// Creates the tooltip window, registers the main window's controls, installs
// the hook that relays the mouse and attaches the tooltips to the tab
// control (tabs), whose tips are the page table's; false leaves the program
// without tooltips. Tooltips start enabled.
bool CreateTooltips(HWND mainWindow, HWND tabs);
void DestroyTooltips();
// Registers every non-static child of parent as a tool (a page's controls as
// the page is built); the texts come by control id from tooltip_texts.
void RegisterTools(HWND parent);
// Answers the tooltip window's text request; false when it is not one.
bool AnswerTooltipRequest(NMHDR* header);

// Help > Enable ToolTips; on at start. Switching off removes a shown tip.
void SetTooltipsEnabled(bool enabled);
bool TooltipsEnabled();

// The tooltip window, or null when there is none.
HWND TooltipWindow();

#endif
