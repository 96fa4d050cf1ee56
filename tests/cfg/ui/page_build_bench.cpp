// How long building each page of the configurator takes, under Wine or on
// Windows: each page is rebuilt by a click on its own tab (the page is
// applied and destroyed, then built and painted again), many times over.
// Beside it stands the same round for an empty page of the same template
// style, built from memory as the main window builds a page, as the peer:
// what the window itself costs without any controls.
//
//   page_build_bench [ROUNDS]   prints one line per page: milliseconds per
//                               build (with its first paint, unless
//                               QLC_BENCH_NO_PAINT is set) and the ratio to
//                               the empty page
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on
#include <stdio.h>
#include <stdlib.h>

#include "cfg/record/record.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/predefined_panels.h"
#include "common/message.h"

namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (PreTranslateMainWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The user's click on a tab, as the tab control reports it.
void ClickTab(int index) {
  HWND tabs = TabControl();
  NMHDR header = {tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)),
                  static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageA(MainWindow(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)))
    return;
  TabCtrl_SetCurSel(tabs, index);
  header.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(MainWindow(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  if (!getenv("QLC_BENCH_NO_PAINT")) UpdateWindow(OpenPage());
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// Average milliseconds of a click on the tab of the page already shown.
double TimeRebuild(int page, int rounds) {
  ClickTab(page);
  Pump();
  double total = 0;
  for (int round = 0; round < rounds; ++round) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    ClickTab(page);
    QueryPerformanceCounter(&end);
    Pump();
    total += Milliseconds(start, end);
  }
  return total / rounds;
}

INT_PTR CALLBACK EmptyPageProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG || message == kMsgPageClose;
}

// The template of a page without controls: style, no menu, no class, no
// title, the pages' font.
const DLGTEMPLATE* EmptyPageTemplate() {
  alignas(4) static WORD words[40];
  DLGTEMPLATE* header = reinterpret_cast<DLGTEMPLATE*>(words);
  header->style = DS_CONTROL | DS_SETFONT | WS_CHILD;
  header->cx = 296;
  header->cy = 180;
  WORD* next = words + sizeof(DLGTEMPLATE) / sizeof(WORD);
  *next++ = 0;  // menu
  *next++ = 0;  // class
  *next++ = 0;  // title
  *next++ = 8;  // point size
  for (const char* face = "MS Sans Serif";; ++face) {
    *next++ = static_cast<WORD>(*face);
    if (!*face) break;
  }
  return header;
}

// The same round for the empty page: the close request, destroying, building
// as a child of the tab control at its display area, painting.
double TimeEmptyPage(int rounds) {
  HWND tabs = TabControl();
  RECT area;
  GetClientRect(tabs, &area);
  TabCtrl_AdjustRect(tabs, FALSE, &area);
  HWND page = nullptr;
  double total = 0;
  for (int round = 0; round <= rounds; ++round) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (page) {
      SendMessageA(page, kMsgPageClose, 0, 0);
      DestroyWindow(page);
    }
    page = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), EmptyPageTemplate(), tabs,
                                      EmptyPageProc, 0);
    SetWindowPos(page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    if (!getenv("QLC_BENCH_NO_PAINT")) UpdateWindow(page);
    QueryPerformanceCounter(&end);
    Pump();
    if (round > 0) total += Milliseconds(start, end);  // the first has nothing to replace
  }
  DestroyWindow(page);
  return total / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? atoi(argv[1]) : 50;
  if (rounds < 1) rounds = 1;
  ResetRecords();
  LoadPredefinedPanels();  // the Panel page lists them as the program does
  if (!CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW)) {
    fprintf(stderr, "no main window (is there a display?)\n");
    return 1;
  }
  Pump();
  double empty = TimeEmptyPage(rounds);
  printf("%-12s %8s %10s\n", "page", "ms/build", "x empty");
  for (int page = 0; page < kPageCount; ++page) {
    double ms = TimeRebuild(page, rounds);
    printf("%-12s %8.3f %10.2f\n", kPages[page].tabText, ms, ms / empty);
  }
  printf("%-12s %8.3f %10.2f   (the peer: a page without controls)\n", "empty page", empty, 1.0);
  DestroyWindow(MainWindow());
  return 0;
}
