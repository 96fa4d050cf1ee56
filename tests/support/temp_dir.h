// A fresh directory per test, removed afterwards, and small file helpers.
#ifndef QLC_TESTS_SUPPORT_TEMP_DIR_H
#define QLC_TESTS_SUPPORT_TEMP_DIR_H

#include <string>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// Runs a shell command line, returns its exit status (-1 when it could not run).
int RunCommand(const std::string& command);
// Runs a command and captures its standard output.
std::string CommandOutput(const std::string& command, int* status = nullptr);
// Whether a program is on PATH.
bool HaveProgram(const std::string& name);

#endif
