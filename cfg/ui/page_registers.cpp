// Registers page: the frame and hint only until the register list is built;
// it accepts every close request.
#include "page_table.h"
#include "pages.h"

INT_PTR CALLBACK RegistersPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG || message == kMsgPageClose;
}
