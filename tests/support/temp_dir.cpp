#include "tests/support/temp_dir.h"

#include <stdio.h>
#include <stdlib.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#ifdef _WIN32
#define popen _popen
#define pclose _pclose
#endif

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  fs::path base = fs::temp_directory_path();
  for (;;) {
    fs::path candidate = base / ("qlc-test-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(candidate, error)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string TempDir::File(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

#ifdef _WIN32
// Under load Wine's command interpreter now and then fails to find a program
// file that was just written: status 9009, "not recognized", and nothing ran;
// or the pipe to the interpreter cannot be opened or waited on (-1, and no
// output came).
const int kCommandNotFound = 9009;
const int kRetriesWhenNotFound = 3;
#endif

int RunCommand(const std::string& command) {
  int status = system(command.c_str());
#ifdef _WIN32
  for (int retry = 0; retry < kRetriesWhenNotFound && status == kCommandNotFound; ++retry)
    status = system(command.c_str());
  return status;
#else
  if (status == -1) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

static std::string CommandOutputOnce(const std::string& command, int* status);

std::string CommandOutput(const std::string& command, int* status) {
  int result = -1;
  std::string output = CommandOutputOnce(command, &result);
#ifdef _WIN32
  for (int retry = 0; retry < kRetriesWhenNotFound &&
                      (result == kCommandNotFound || (result == -1 && output.empty()));
       ++retry)
    output = CommandOutputOnce(command, &result);
#endif
  if (status) *status = result;
  return output;
}

static std::string CommandOutputOnce(const std::string& command, int* status) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    if (status) *status = -1;
    return output;
  }
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  int result = pclose(pipe);
#ifdef _WIN32
  if (status) *status = result;
#else
  if (status) *status = (result != -1 && WIFEXITED(result)) ? WEXITSTATUS(result) : -1;
#endif
  return output;
}

bool HaveProgram(const std::string& name) {
#ifdef _WIN32
  return RunCommand("where " + name + " >NUL 2>&1") == 0;
#else
  return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0;
#endif
}
