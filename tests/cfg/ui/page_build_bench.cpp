// How long building each page of the configurator takes, under Wine or on
// Windows, beside building an empty page of the same kind in the same run.
// A build is what a tab change does for the new page: the dialog created from
// its template and filled from the record, its tools registered, placed in the
// tab control and painted once. Each page is also built from its template
// alone, with a procedure that fills nothing: the difference is what the
// page's own code costs, the rest is the window system making the controls.
// The builds take turns round after round, the empty page among them, so that
// a busy machine slows all of them alike; the median of the rounds counts.
//
//   page_build_bench [ROUNDS]   one line per page: median milliseconds per
//                               build, the same for its bare template, and
//                               the build's ratio to the empty page
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

// One build of the page with its first paint; the page is destroyed after.
double TimeBuild(const PageEntry& entry, Configuration& config) {
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
  ShowWindow(OpenPage(), SW_HIDE);  // the pages measured take its place

  // Each page, then each bare template, then the empty page.
  std::vector<PageEntry> builds(kPages, kPages + kPageCount);
  for (int page = 0; page < kPageCount; ++page)
    builds.push_back({kPages[page].tabText, kPages[page].dialogId, MakeBarePage, ""});
  builds.push_back({"empty page", kEmptyPageTemplate, MakeBarePage, ""});
  std::vector<std::vector<double>> times(builds.size());
  for (const PageEntry& build : builds) TimeBuild(build, configuration);  // warm-up
  for (int round = 0; round < rounds; ++round)
    for (size_t i = 0; i < builds.size(); ++i)
      times[i].push_back(TimeBuild(builds[i], configuration));

  double empty = Median(times.back());
  printf("%-12s %10s %10s %10s\n", "page", "ms/build", "template", "x empty");
  for (int page = 0; page < kPageCount; ++page) {
    double ms = Median(times[page]);
    printf("%-12s %10.3f %10.3f %10.2f\n", kPages[page].tabText, ms,
           Median(times[kPageCount + page]), ms / empty);
  }
  printf("%-12s %10.3f %10s %10.2f\n", "empty page", empty, "", 1.0);
  DestroyWindow(MainWindow());
  Pump();
  return 0;
}
