// Shared pieces of the fuzz targets: property checks that stop the run,
// a quiet message sink, scratch files for readers that take a path, and
// values derived from an input.
//
// Each target defines LLVMFuzzerTestOneInput. Built with -fsanitize=fuzzer it
// is a libFuzzer program; otherwise it is linked with replay_main.cpp and
// runs the kept inputs as an ordinary test.
#ifndef QLC_TESTS_FUZZ_FUZZ_SUPPORT_H
#define QLC_TESTS_FUZZ_FUZZ_SUPPORT_H

#include <stddef.h>
#include <stdint.h>

#include <functional>
#include <string>

#include "common/hal_struct.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// The largest single allocation a reader may make for one input.
enum { kFuzzMallocLimitMb = 256 };

// Reports the broken property and aborts, so that the fuzzer keeps the input.
[[noreturn]] void FuzzCheckFailed(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

// Replaces the message sink with one that only counts (once per process);
// the counts start again at every call.
void QuietMessages();
int MessagesShown();
// Whether a message shown since QuietMessages() began with prefix.
bool MessageShownStartingWith(const char* prefix);

// A file named name in this process's own scratch folder (removed at exit).
std::string ScratchPath(const char* name);
bool WriteScratchFile(const std::string& path, const uint8_t* data, size_t size);

// Reads data front to back as a file is read, the first held bytes only, as
// when the file is cut short while it is read.
std::function<size_t(uint8_t* into, size_t count)> ReadFromMemory(const uint8_t* data, size_t held);

// FNV-1a over the input: a seed for values that must follow from the input.
uint64_t InputHash(const uint8_t* data, size_t size);
// Next value of a small generator over a seed (splitmix64).
uint64_t NextRandom(uint64_t* state);

// A record whose fields (IdString, DetectEndian and Size aside) are filled
// from the seed, for saves that must write values a file does not hold yet.
HAL_STRUCT RecordFromSeed(uint64_t seed);

// Whether the fields a save writes are equal in both records: everything
// but IdString, DetectEndian, Size and Reserved.
bool SavedFieldsEqual(const HAL_STRUCT& a, const HAL_STRUCT& b);

#endif
