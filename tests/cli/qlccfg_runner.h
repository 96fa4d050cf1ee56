// Runs the built qlccfg as a build script runs it, in a fresh folder per test,
// and gives its exit status and both output streams.
#ifndef QLC_TESTS_CLI_QLCCFG_RUNNER_H
#define QLC_TESTS_CLI_QLCCFG_RUNNER_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

// The Windows build runs under Wine, where the Linux tools are not there.
#ifdef _WIN32
const bool kLinuxTools = false;
#else
const bool kLinuxTools = true;
#endif

// A path as the platform's command interpreter wants it (drive paths under Wine).
std::string NativePath(std::string path);
std::string Quote(const std::string& text);

struct Result {
  int status;
  std::string out;
  std::string err;  // line ends as "\n"
};

class ProgramTest : public ::testing::Test {
 protected:
  // Runs qlccfg with the words (quoted each) from the test's folder.
  Result Qlccfg(const std::vector<std::string>& words);
  // Runs a command line from the test's folder.
  Result Shell(const std::string& line);
  std::string File(const std::string& name) { return dir_.File(name); }

  // A raw program image: the default record between other bytes (the record
  // starts at offset 1000).
  std::string MakeImage(const std::string& name);

  // A program built for the host (or, with the m68k compiler, for a
  // big-endian target) that carries the default record.
  bool Compile(const std::string& compiler, const std::string& output);

  // The record of a file as `show --json` gives it, one field at a time
  // through python's JSON parser.
  std::string JsonField(const std::string& file, const std::string& expression);

  TempDir dir_;
};

#define REQUIRE_LINUX_TOOLS(...)                                                  \
  do {                                                                            \
    if (!kLinuxTools) GTEST_SKIP() << "Linux tools are not available under Wine"; \
    for (const char* tool : {__VA_ARGS__})                                        \
      if (!HaveProgram(tool)) GTEST_SKIP() << tool << " is not installed";        \
  } while (0)

// Register value as show prints it: "  REG[14h] = 1Fh  ...".
std::string RegisterLine(const std::string& shown, const char* index);

#endif
