// Panel page: an empty page until the panel controls are built; it accepts
// every close request.
#include "page_table.h"
#include "pages.h"

INT_PTR CALLBACK PanelPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG || message == kMsgPageClose;
}
