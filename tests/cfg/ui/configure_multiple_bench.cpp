// How fast Configure Multiple writes the record into many program files, and
// whether its memory stays flat: COUNT copies of 56420BMP.EXE are written
// through the real dialog (Configure pressed, every file in turn, the
// progress line drawn as the dialog draws it), then the same files by
// `qlccfg configure` as the peer, in the same run.
//
//   configure_multiple_bench [COUNT]   prints files per second of both, the
//                                      ratio, and the dialog's memory: private
//                                      bytes before, highest while writing,
//                                      and the process's peak
// clang-format off
#include <windows.h>
#include <psapi.h>  // needs windows.h first
// clang-format on
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "common/message.h"
#include "tests/cfg/ui/modal_driver.h"

namespace {

size_t g_messages = 0;
SIZE_T g_highestPrivate = 0, g_highestWorkingSet = 0;

int CountingSink(void*, unsigned, const char*) {
  ++g_messages;
  return kAnswerOk;
}

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// Samples the memory while the dialog writes (it lets timers run between
// files): private bytes (the page-file usage) and the working set.
void CALLBACK SampleMemory(HWND, UINT, UINT_PTR, DWORD) {
  PROCESS_MEMORY_COUNTERS now = Memory();
  if (now.PagefileUsage > g_highestPrivate) g_highestPrivate = now.PagefileUsage;
  if (now.WorkingSetSize > g_highestWorkingSet) g_highestWorkingSet = now.WorkingSetSize;
}

int Kb(SIZE_T bytes) {
  return static_cast<int>(bytes / 1024);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Runs qlccfg configure SOURCE TARGET... in folder; seconds, and the child's
// peak working set in kilobytes.
bool RunPeer(const std::string& folder, const std::vector<std::string>& names, double* seconds,
             SIZE_T* peakKb) {
  std::string command = "\"" + ProgramFolder() + "QLCCFG.EXE\" configure source.exe";
  for (const std::string& name : names) command += " " + name;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = CreateFileA("NUL", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                      &startup, &process))
    return false;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  // Sampled while it runs: some systems keep no counters once a process ends.
  while (WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
    PROCESS_MEMORY_COUNTERS now = {};
    now.cb = sizeof now;
    if (GetProcessMemoryInfo(process.hProcess, &now, sizeof now) &&
        now.PeakWorkingSetSize > counters.PeakWorkingSetSize)
      counters = now;
  }
  QueryPerformanceCounter(&end);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(startup.hStdError);
  *seconds = Seconds(start, end);
  *peakKb = counters.PeakWorkingSetSize / 1024;
  return code == 0;
}

}  // namespace

int main(int argc, char** argv) {
  int count = argc > 1 ? atoi(argv[1]) : 1000;
  if (count < 1) count = 1;
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  std::string folder =
      std::string(temp) + "qlc-configure-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string source = folder + "\\source.exe";
  if (!CopyFileA((ProgramFolder() + "56420BMP.exe").c_str(), source.c_str(), FALSE)) {
    fprintf(stderr, "56420BMP.exe not found beside the benchmark\n");
    return 1;
  }
  std::vector<std::string> names, files;
  for (int i = 0; i < count; ++i) {
    char name[32];
    snprintf(name, sizeof name, "c%04d.exe", i);
    names.push_back(name);
    files.push_back(folder + "\\" + name);
    CopyFileA(source.c_str(), files.back().c_str(), FALSE);
  }

  UseMessageBoxes(CountingSink);
  Configuration configuration;
  if (!CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOW, configuration, source.c_str())) {
    fprintf(stderr, "no main window (is there a display?)\n");
    return 1;
  }
  configuration.WorkingRecord.PowerOnDelay = 123;

  // The files arrive as a drop; the script presses Configure.
  LARGE_INTEGER start = {}, end;
  PROCESS_MEMORY_COUNTERS before = Memory();
  ModalScript script;
  script.Then("Configure Multiple", [&](HWND dialog) {
    before = Memory();
    g_highestPrivate = before.PagefileUsage;
    g_highestWorkingSet = before.WorkingSetSize;
    QueryPerformanceCounter(&start);
    PostClick(dialog, IDC_MULTIPLE_CONFIGURE);
  });
  UINT_PTR sampler = SetTimer(nullptr, 0, 10, SampleMemory);
  CommandDialogs.configureMultiple(MainWindow(), configuration, files);
  QueryPerformanceCounter(&end);
  KillTimer(nullptr, sampler);
  double dialogSeconds = Seconds(start, end);
  PROCESS_MEMORY_COUNTERS after = Memory();
  DestroyWindow(MainWindow());

  double peerSeconds = 0;
  SIZE_T peerPeakKb = 0;
  bool peerOk = RunPeer(folder, names, &peerSeconds, &peerPeakKb);

  printf("files written: %d copies of 56420BMP.EXE (%u messages, the summary included)\n", count,
         static_cast<unsigned>(g_messages));
  printf("%-28s %8.2f s %10.1f files/s\n", "Configure Multiple dialog", dialogSeconds,
         count / dialogSeconds);
  if (peerOk)
    printf("%-28s %8.2f s %10.1f files/s   (the peer)\n", "qlccfg configure", peerSeconds,
           count / peerSeconds);
  else
    printf("qlccfg configure failed\n");
  if (peerOk) printf("ratio dialog / qlccfg (files/s): %.2f\n", peerSeconds / dialogSeconds);
  printf("dialog private bytes: %d KB before, at most %d KB while writing (%+d KB), %d KB after\n",
         Kb(before.PagefileUsage), Kb(g_highestPrivate),
         Kb(g_highestPrivate) - Kb(before.PagefileUsage), Kb(after.PagefileUsage));
  printf("dialog working set:   %d KB before, at most %d KB while writing (%+d KB), %d KB after\n",
         Kb(before.WorkingSetSize), Kb(g_highestWorkingSet),
         Kb(g_highestWorkingSet) - Kb(before.WorkingSetSize), Kb(after.WorkingSetSize));
  printf("peak working set: dialog process %d KB, qlccfg %d KB\n", Kb(after.PeakWorkingSetSize),
         static_cast<int>(peerPeakKb));

  for (const std::string& file : files) DeleteFileA(file.c_str());
  DeleteFileA(source.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
