#include "tests/bmp/program_runner.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

std::string HostPath(const std::string& path) {
#ifdef _WIN32
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
#else
  return path;
#endif
}

std::string BuiltBmpProgram() {
  const char* binary = getenv("QLC_BINARY_DIR");
  std::string dir = binary ? binary : ".";
#ifdef _WIN32
  return HostPath(dir + "/bin/56420BMP.exe");
#else
  return dir + "/bin/56420bmp";
#endif
}

int RunBmpProgram(const std::string& program, const std::string& arguments,
                  const std::string& boardFolder, std::string* output) {
  SetVariable("QLC56420_VIRTUAL_BOARD", boardFolder.empty() ? nullptr : boardFolder.c_str());
#ifdef _WIN32
  std::string command = program + " " + arguments + " <NUL";
#else
  std::string command = "'" + program + "' " + arguments + " </dev/null";
#endif
  int status = -1;
  std::string text = CommandOutput(command, &status);
  if (output) *output = text;
  return status;
}

void SetRecordRegister(HAL_STRUCT& record, unsigned index, unsigned value) {
  int position = FindRegisterPosition(record, index);
  ASSERT_GE(position, 0) << std::hex << index;
  record.Regs[position].Value = static_cast<uint16_t>(value & 0xFF);
}

void SetPanelSize(HAL_STRUCT& record, uint32_t width, uint32_t height) {
  uint32_t words = width * 8 / 32;
  SetRecordRegister(record, 0x14, width / 8 - 1);
  SetRecordRegister(record, 0x1C, (height - 1) & 0xFF);
  SetRecordRegister(record, 0x1D, (height - 1) >> 8);
  SetRecordRegister(record, 0x78, words & 0xFF);
  SetRecordRegister(record, 0x79, words >> 8);
  SetRecordRegister(record, 0x80, words & 0xFF);
  SetRecordRegister(record, 0x81, words >> 8);
  SetRecordRegister(record, 0x8C, (words - 1) & 0xFF);
  SetRecordRegister(record, 0x8D, (words - 1) >> 8);
  SetRecordRegister(record, 0x90, (height - 1) & 0xFF);
  SetRecordRegister(record, 0x91, (height - 1) >> 8);
}

bool MakeConfiguredProgram(const std::string& path, const std::function<void(HAL_STRUCT&)>& edit) {
  Configuration config;
  edit(config.WorkingRecord);
  return SaveConfigFile(config, BuiltBmpProgram().c_str(), path.c_str(), false, kStorageBinary);
}

PanelImage RenderBoard(const std::string& folder) {
  PanelImage image;
  if (!VirtualBoardOpen(folder.c_str())) return image;
  image = VirtualBoardRenderPanel();
  VirtualBoardClose();
  return image;
}

uint32_t BoardRegister16(const std::string& folder, unsigned index) {
  if (!VirtualBoardOpen(folder.c_str())) return 0;
  uint32_t value = VirtualBoardReadRegister(index) | VirtualBoardReadRegister(index + 1) << 8;
  VirtualBoardClose();
  return value;
}
