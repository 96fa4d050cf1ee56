#include "tests/cfg/export/export_test_support.h"

#include <stdio.h>

#include "cfg/export/export_frame.h"
#include "cfg/export/export_options.h"
#include "cfg/record/record.h"
#include "tests/support/temp_dir.h"

void SetRegisterList(HAL_STRUCT* record, const std::vector<REG_CFG>& entries) {
  for (REG_CFG& entry : record->Regs) entry = REG_CFG{0, 0};
  for (size_t i = 0; i < entries.size() && i < kMaxRegCfg; ++i) record->Regs[i] = entries[i];
  if (entries.size() < kMaxRegCfg) record->Regs[entries.size()] = REG_CFG{FINISHED_REG_CFG, 0};
}

void ChangeClocksAndAddresses(HAL_STRUCT* record) {
  record->ClkI = 6000;
  record->ClkI2 = 14318;
  record->RegAddr = 0x00A0C000;
  record->DispMemAddr = 0x00800000;
}

void ChooseBothExportOptions(Configuration& config) {
  config.Export.softwareCursor = 1;
  config.Export.softwareBlitEmulation = 1;
}

std::string TextBeforeOnItsLine(const std::string& text, const std::string& marker) {
  size_t end = text.find(marker);
  if (end == std::string::npos) return "(absent)";
  size_t start = text.rfind('\n', end);
  start = start == std::string::npos ? 0 : start + 1;
  return text.substr(start, end - start);
}

void UseSmallRecord(Configuration& config) {
  config.ResetRecords();
  config.Export = ExportOptions();
  SetRegisterList(&config.WorkingRecord, {{0x04, 0x00},
                                          {0x05, 0x43},
                                          {0x10, 0x40},
                                          {0x14, 0x27},
                                          {0x1C, 0xEF},
                                          {0x1D, 0x00},
                                          {0x70, 0x03},
                                          {0x71, 0x00},
                                          {0x78, 0x50},
                                          {0x79, 0x00}});
}

std::string FindCompiler(bool cplusplus) {
  const char* const candidates[2][2] = {{"gcc", "cc"}, {"g++", "c++"}};
  // Run it rather than look it up: under Wine a Linux compiler can be found
  // on PATH yet not be started.
  for (const char* name : candidates[cplusplus ? 1 : 0]) {
    int status = -1;
    CommandOutput(std::string(name) + " --version 2>&1", &status);
    if (status == 0) return name;
  }
  return "";
}

::testing::AssertionResult RunProgramWithExport(const Configuration& config,
                                                const std::string& compiler, ExportKind kind,
                                                const std::string& header,
                                                const std::string& sourceName,
                                                const std::string& source, std::string* output) {
  TempDir dir;
  if (!WriteExport(config, kind, dir.File(header).c_str())) {
    return ::testing::AssertionFailure() << "the export was not written";
  }
  std::string sourcePath = dir.File(sourceName);
  std::string programPath = dir.File("program.exe");
  if (!WriteFileBytes(sourcePath, source)) {
    return ::testing::AssertionFailure() << "the program source was not written";
  }
  int status = 0;
  std::string diagnostics = CommandOutput(compiler + " -Wall -I\"" + dir.Path() + "\" -o \"" +
                                              programPath + "\" \"" + sourcePath + "\" 2>&1",
                                          &status);
  if (status != 0) return ::testing::AssertionFailure() << diagnostics;
  *output = CommandOutput("\"" + programPath + "\"", &status);
  if (status != 0) return ::testing::AssertionFailure() << "the program failed: " << *output;
  return ::testing::AssertionSuccess();
}

std::string RegisterPairsText(const HAL_STRUCT& record) {
  std::string text;
  for (int i = 0; i < kMaxRegCfg && record.Regs[i].Index != FINISHED_REG_CFG; ++i) {
    char entry[16];
    snprintf(entry, sizeof entry, "%x:%x ", record.Regs[i].Index, record.Regs[i].Value);
    text += entry;
  }
  return text;
}
