#include "cfg/ui/page_colours.h"

const COLORREF kNoteColour = RGB(0, 0, 175);

INT_PTR NoteColours(HDC dc, HWND control, std::initializer_list<int> noteIds) {
  int id = GetDlgCtrlID(control);
  for (int noteId : noteIds) {
    if (id != noteId) continue;
    SetTextColor(dc, kNoteColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return 0;
}
