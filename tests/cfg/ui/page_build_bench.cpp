// How long showing each page of the configurator takes, under Wine or on
// Windows: the first visit of its tab and a return to it, beside building
// the page's bare template and an empty page in the same run.
// - First visit: what a tab shown the first time does for its page: the page
//   made, its dialog created from the template and filled from the record,
//   its tools registered, placed in the tab control and painted once.
// - Return: a click on the tab in the running main window after the tab
//   before it, every page visited before: the page left takes its entries
//   over and is hidden, this page is brought up to date with the record and
//   shown, and the window is painted.
// - Template: the page built from its template alone by a page that fills
//   nothing: the difference to the first visit is what the page's own code
//   costs, the rest is the window system making the controls.
// The measurements take turns round after round, the empty page among them,
// so that a busy machine slows all of them alike; the median of the rounds
// counts.
//
//   page_build_bench [ROUNDS]   one line per page: median milliseconds of a
//                               first visit, of a return and of the return's
//                               painting, of its bare template, and the first
//                               visit's ratio to the empty page
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "cfg/record/record.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/predefined_panels.h"

namespace {

const int kEmptyPageTemplate = 900;  // page_build_bench.rc

std::unique_ptr<DialogWindow> MakeBarePage(Configuration&) {
  return std::unique_ptr<DialogWindow>(new DialogWindow);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (PreTranslateMainWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// One first visit of the page with its first paint; the page goes after.
double TimeFirstVisit(const PageEntry& entry, Configuration& config) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  std::unique_ptr<DialogWindow> page = CreatePageWindow(entry, config, TabControl());
  UpdateWindow(page->Handle());
  QueryPerformanceCounter(&end);
  DestroyWindow(page->Handle());
  page.reset();
  Pump();
  return Milliseconds(start, end);
}

// A click on the tab as the tab control reports it, then the window
// painted: milliseconds of both, and of the painting alone.
struct ReturnTime {
  double total;
  double painting;
};

ReturnTime TimeReturn(int index) {
  HWND tabs = TabControl();
  NMHDR header = {tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)),
                  static_cast<UINT>(TCN_SELCHANGING)};
  LARGE_INTEGER start, shown, end;
  QueryPerformanceCounter(&start);
  if (!SendMessageA(MainWindow(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header))) {
    TabCtrl_SetCurSel(tabs, index);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageA(MainWindow(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  QueryPerformanceCounter(&shown);
  UpdateWindow(MainWindow());
  QueryPerformanceCounter(&end);
  Pump();
  if (OpenPageIndex() != index) fprintf(stderr, "tab %d was not shown\n", index);
  return {Milliseconds(start, end), Milliseconds(shown, end)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? atoi(argv[1]) : 50;
  if (rounds < 1) rounds = 1;
  LoadPredefinedPanels();  // the Panel page lists them as the program does
  Configuration configuration;
  if (!CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW, configuration)) {
    fprintf(stderr, "no main window (is there a display?)\n");
    return 1;
  }
  Pump();

  // Each page, then each bare template, then the empty page.
  std::vector<PageEntry> builds(kPages, kPages + kPageCount);
  for (int page = 0; page < kPageCount; ++page)
    builds.push_back({kPages[page].tabText, kPages[page].dialogId, MakeBarePage, ""});
  builds.push_back({"empty page", kEmptyPageTemplate, MakeBarePage, ""});
  std::vector<std::vector<double>> times(builds.size()), returns(kPageCount), painting(kPageCount);
  // Warm-up, and every tab visited once.
  for (const PageEntry& build : builds) TimeFirstVisit(build, configuration);
  for (int tab = 1; tab <= kPageCount; ++tab) TimeReturn(tab % kPageCount);
  for (int round = 0; round < rounds; ++round) {
    // The pages built take the open page's place.
    ShowWindow(OpenPage(), SW_HIDE);
    for (size_t i = 0; i < builds.size(); ++i)
      times[i].push_back(TimeFirstVisit(builds[i], configuration));
    ShowWindow(OpenPage(), SW_SHOW);
    Pump();
    for (int tab = 1; tab <= kPageCount; ++tab) {
      ReturnTime time = TimeReturn(tab % kPageCount);
      returns[tab % kPageCount].push_back(time.total);
      painting[tab % kPageCount].push_back(time.painting);
    }
  }

  double empty = Median(times.back());
  printf("%-12s %10s %10s %10s %10s %10s\n", "page", "first ms", "return ms", "painting",
         "template", "x empty");
  for (int page = 0; page < kPageCount; ++page) {
    double ms = Median(times[page]);
    printf("%-12s %10.3f %10.3f %10.3f %10.3f %10.2f\n", kPages[page].tabText, ms,
           Median(returns[page]), Median(painting[page]), Median(times[kPageCount + page]),
           ms / empty);
  }
  printf("%-12s %10.3f %10s %10s %10s %10.2f\n", "empty page", empty, "", "", "", 1.0);
  DestroyWindow(MainWindow());
  Pump();
  return 0;
}
