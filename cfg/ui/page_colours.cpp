#include "cfg/ui/page_colours.h"

const COLORREF kNoteColour = RGB(0, 0, 175);

INT_PTR NoteColours(WPARAM dc, LPARAM control, std::initializer_list<int> noteIds) {
  int id = GetDlgCtrlID(reinterpret_cast<HWND>(control));
  for (int noteId : noteIds) {
    if (id != noteId) continue;
    HDC context = reinterpret_cast<HDC>(dc);
    SetTextColor(context, kNoteColour);
    SetBkMode(context, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return 0;
}
