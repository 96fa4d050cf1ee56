// Support for the export tests: a small record with the registers the
// exports read, and compiling generated headers with the machine's compilers.
#ifndef QLC_TESTS_CFG_EXPORT_EXPORT_TEST_SUPPORT_H
#define QLC_TESTS_CFG_EXPORT_EXPORT_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cfg/export/export_kinds.h"
#include "common/hal_struct.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

// The working record with a short list of the registers the banners, sizes
// and clocks are made of (04 05 10 14 1C 1D 70 71 78 79, default values),
// and the export options cleared.
void UseSmallRecord(Configuration& config);

// Starts each test on the small record; messages records what the writers
// report.
class SmallRecordTest : public ConfigurationTest {
 protected:
  void SetUp() override { UseSmallRecord(config); }
  MessageRecorder messages;
};

// The clocks and addresses the whole-file expectations are written for:
// ClkI 6000, ClkI2 14318, registers at 00A0C000h, memory at 00800000h.
void ChangeClocksAndAddresses(HAL_STRUCT* record);

// Software cursor and software blit emulation both chosen.
void ChooseBothExportOptions(Configuration& config);

// The text from the start of marker's line up to marker, or "(absent)".
std::string TextBeforeOnItsLine(const std::string& text, const std::string& marker);

// The record's list made of these index/value pairs, followed by the end
// marker when there is room.
void SetRegisterList(HAL_STRUCT* record, const std::vector<REG_CFG>& entries);

// "index:value " in lower-case hex for each entry up to the end marker, as
// the compiled test programs print the register lists they were given.
std::string RegisterPairsText(const HAL_STRUCT& record);

// A C or C++ compiler on PATH, or "" when the machine has none.
std::string FindCompiler(bool cplusplus);

// Writes the working record's export of kind as header in a fresh folder,
// compiles source there as sourceName (include path that folder), runs the
// program and gives its standard output. A failure carries the compiler's
// messages.
::testing::AssertionResult RunProgramWithExport(const Configuration& config,
                                                const std::string& compiler, ExportKind kind,
                                                const std::string& header,
                                                const std::string& sourceName,
                                                const std::string& source, std::string* output);

#endif
