// The dark blue (red 0, green 0, blue 175) of the pages' notes and read-outs.
#ifndef QLC_CFG_UI_PAGE_COLOURS_H
#define QLC_CFG_UI_PAGE_COLOURS_H

#include <windows.h>

#include <initializer_list>

extern const COLORREF kNoteColour;

// The answer to WM_CTLCOLORSTATIC: for a static whose id is among noteIds,
// dark-blue text on the page background (the button-face colour); 0 (the
// system's colours) for any other.
INT_PTR NoteColours(HDC dc, HWND control, std::initializer_list<int> noteIds);

#endif
