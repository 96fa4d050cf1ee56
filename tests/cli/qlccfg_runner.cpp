#include "tests/cli/qlccfg_runner.h"

#include <stdlib.h>

#include "cfg/record/record.h"

#ifdef _WIN32
std::string NativePath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}
#else
std::string NativePath(std::string path) {
  return path;
}
#endif

std::string Quote(const std::string& text) {
  return "\"" + text + "\"";
}

Result ProgramTest::Qlccfg(const std::vector<std::string>& words) {
  std::string line = Quote(NativePath(QLCCFG_PATH));
  for (const std::string& word : words) line += " " + Quote(word);
  return Shell(line);
}

Result ProgramTest::Shell(const std::string& line) {
  std::string errors = dir_.File("stderr.txt");
  Result result;
#ifdef _WIN32
  std::string command = "cd /d " + Quote(dir_.Path()) + " && " + line + " 2>" + Quote(errors);
  // cmd.exe takes the outer quotes off a line that starts with one.
  command = "\"" + command + "\"";
#else
  std::string command = "cd " + Quote(dir_.Path()) + " && " + line + " 2>" + Quote(errors);
#endif
  result.out = CommandOutput(command, &result.status);
  result.err = ReadFileBytes(errors);
  for (size_t at; (at = result.err.find("\r\n")) != std::string::npos;) result.err.erase(at, 1);
  return result;
}

std::string ProgramTest::MakeImage(const std::string& name) {
  std::string bytes(1000, '\x5A');
  bytes.append(reinterpret_cast<const char*>(&kDefaultHalStruct), sizeof(HAL_STRUCT));
  bytes.append(777, '\0');
  EXPECT_TRUE(WriteFileBytes(File(name), bytes));
  return File(name);
}

bool ProgramTest::Compile(const std::string& compiler, const std::string& output) {
  std::string source = File("prog.c");
  WriteFileBytes(source,
                 "#include \"common/default_record.h\"\n"
                 "HAL_STRUCT HalInfo = QLC_DEFAULT_HAL_STRUCT;\n"
                 "int main(void) { return HalInfo.Size == 488 ? 0 : 1; }\n");
  std::string root = getenv("QLC_SOURCE_DIR") ? getenv("QLC_SOURCE_DIR") : ".";
  return RunCommand(compiler + " -O1 -I" + Quote(root) + " -o " + Quote(File(output)) + " " +
                    Quote(source)) == 0;
}

std::string ProgramTest::JsonField(const std::string& file, const std::string& expression) {
  Result shown = Qlccfg({"show", file, "--json"});
  EXPECT_EQ(shown.status, 0) << shown.err;
  WriteFileBytes(File("shown.json"), shown.out);
  Result value =
      Shell("python3 -c " +
            Quote("import json; d = json.load(open('shown.json')); print(" + expression + ")"));
  EXPECT_EQ(value.status, 0) << value.err;
  return value.out;
}

std::string RegisterLine(const std::string& shown, const char* index) {
  size_t at = shown.find(std::string("  REG[") + index + "h] = ");
  return at == std::string::npos ? std::string() : shown.substr(at + 2, 14);
}
