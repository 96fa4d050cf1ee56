// Times building the panel preview of a picture in-process against running
// 56420BMP for the same picture on a virtual board in a fresh folder, the
// two taking turns ROUNDS times; the fastest run of each counts, so that
// other work on the machine weighs on both alike. Prints
// "preview <ms> 56420bmp <ms> ratio <56420bmp / preview>".
//
//   qlc_preview_bench PROGRAM PICTURE.bmp FOLDER [ROUNDS]
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "common/default_record.h"
#include "preview/panel_preview.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One run of the program with its output thrown away; negative on failure.
double RunProgram(const char* program, const char* picture, const std::string& board) {
  std::filesystem::remove_all(board);
  setenv("QLC56420_VIRTUAL_BOARD", board.c_str(), 1);
  Clock::time_point start = Clock::now();
  pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (!freopen("/dev/null", "w", stdout)) _exit(127);
    execl(program, program, picture, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return Milliseconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: %s PROGRAM PICTURE.bmp FOLDER [ROUNDS]\n", argv[0]);
    return 2;
  }
  int rounds = argc > 4 ? atoi(argv[4]) : 20;
  const HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  std::string board = (std::filesystem::path(argv[3]) / "board").string();
  double preview = 1e9, program = 1e9;
  for (int i = 0; i < rounds; ++i) {
    Clock::time_point start = Clock::now();
    PanelPreview built = BuildPanelPreview(record, argv[2]);
    double took = Milliseconds(start);
    if (!built.shown) {
      fprintf(stderr, "preview: %s\n", built.reason.c_str());
      return 1;
    }
    preview = std::min(preview, took);
    double ran = RunProgram(argv[1], argv[2], board);
    if (ran < 0) {
      fprintf(stderr, "%s failed\n", argv[1]);
      return 1;
    }
    program = std::min(program, ran);
  }
  printf("preview %.3f 56420bmp %.3f ratio %.1f\n", preview, program, program / preview);
  return 0;
}
