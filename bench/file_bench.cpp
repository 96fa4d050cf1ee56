// Helpers for scripts/bench.sh, which sets the configurator's file reading
// beside other tools on the same files.
//
//   qlc_file_bench record             writes the default record to stdout
//   qlc_file_bench time PROGRAM ARGS  runs the program with its output
//                                     thrown away and prints
//                                     "<seconds> <peak memory in KB> <exit code>"
#include <stdio.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "cfg/record/record.h"

namespace {

int TimeProgram(char** argv) {
  using Clock = std::chrono::steady_clock;
  Clock::time_point start = Clock::now();
  pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    if (!freopen("/dev/null", "w", stdout)) _exit(127);
    execvp(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (wait4(child, &status, 0, &usage) != child) return 1;
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  printf("%.6f %ld %d\n", seconds, usage.ru_maxrss, code);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && strcmp(argv[1], "record") == 0) {
    return fwrite(&kDefaultHalStruct, sizeof kDefaultHalStruct, 1, stdout) == 1 ? 0 : 1;
  }
  if (argc >= 3 && strcmp(argv[1], "time") == 0) return TimeProgram(argv + 2);
  fprintf(stderr, "usage: %s record | time PROGRAM [ARGS...]\n", argv[0]);
  return 2;
}
