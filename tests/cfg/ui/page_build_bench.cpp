// How long building each page of the configurator takes, under Wine or on
// Windows: each page is shown from the empty Panel page by a tab click (the
// empty page is applied and destroyed, the page built and painted), many
// times over. Beside it stands the same click onto the empty Panel page
// itself, from the Registers page, as the peer: what the window and the tab
// change cost without any controls.
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

// Average milliseconds of a click from tab `from` onto tab `to`.
double TimeClick(int from, int to, int rounds) {
  double total = 0;
  for (int round = 0; round < rounds; ++round) {
    ClickTab(from);
    Pump();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    ClickTab(to);
    QueryPerformanceCounter(&end);
    Pump();
    total += Milliseconds(start, end);
  }
  return total / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? atoi(argv[1]) : 50;
  if (rounds < 1) rounds = 1;
  ResetRecords();
  if (!CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW)) {
    fprintf(stderr, "no main window (is there a display?)\n");
    return 1;
  }
  Pump();
  double empty = TimeClick(kRegistersPage, kPanelPage, rounds);
  printf("%-12s %8s %10s\n", "page", "ms/build", "x empty");
  for (int page = 0; page < kPageCount; ++page) {
    if (page == kPanelPage) continue;
    double ms = TimeClick(kPanelPage, page, rounds);
    printf("%-12s %8.3f %10.2f\n", kPages[page].tabText, ms, ms / empty);
  }
  printf("%-12s %8.3f %10.2f   (the peer: the empty Panel page)\n", "empty page", empty, 1.0);
  DestroyWindow(MainWindow());
  return 0;
}
