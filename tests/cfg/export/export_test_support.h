// Support for the export tests: a small record with the registers the
// exports read, and compiling generated headers with the machine's compilers.
#ifndef QLC_TESTS_CFG_EXPORT_EXPORT_TEST_SUPPORT_H
#define QLC_TESTS_CFG_EXPORT_EXPORT_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "common/hal_struct.h"
#include "tests/support/temp_dir.h"

// The working record with a short list of the registers the banners, sizes
// and clocks are made of (04 05 10 14 1C 1D 70 71 78 79, default values),
// and the export options cleared.
void UseSmallRecord();

// The record's list made of these index/value pairs, followed by the end
// marker when there is room.
void SetRegisterList(HAL_STRUCT* record, const std::vector<REG_CFG>& entries);

// "index:value " in lower-case hex for each entry up to the end marker, as
// the compiled test programs print the register lists they were given.
std::string RegisterPairsText(const HAL_STRUCT& record);

// A C or C++ compiler on PATH, or "" when the machine has none.
std::string FindCompiler(bool cplusplus);

// Writes source as dir/name, compiles it with the compiler (include path
// dir), runs the program and returns its standard output. diagnostics gets
// the compiler's messages; false when compiling or running failed.
bool CompileAndRun(const std::string& compiler, const TempDir& dir, const std::string& name,
                   const std::string& source, std::string* output, std::string* diagnostics);

#endif
