// Runs a fuzz target over kept inputs without the fuzzer: every file named
// on the command line, and every file inside each folder named there. A
// broken property aborts; no input at all is a failure too.
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"

namespace fs = std::filesystem;

// The fuzzer stops at any single allocation above kFuzzMallocLimitMb
// (scripts/fuzz.sh); the replays keep the same limit, so an input that once
// made a reader allocate far more than its own size fails here too.
static void* LimitedAllocation(size_t size) {
  if (size > size_t{kFuzzMallocLimitMb} << 20) {
    fprintf(stderr, "allocation of %zu bytes, above the limit of %d MB\n", size,
            kFuzzMallocLimitMb);
    abort();
  }
  return malloc(size ? size : 1);
}

void* operator new(size_t size) {
  if (void* block = LimitedAllocation(size)) return block;
  throw std::bad_alloc();
}

// The non-throwing form too, so every block these deletes free came from malloc.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return LimitedAllocation(size);
}

void operator delete(void* block) noexcept {
  free(block);
}

void operator delete(void* block, size_t) noexcept {
  free(block);
}

static bool RunInput(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    fprintf(stderr, "cannot read %s\n", path.string().c_str());
    return false;
  }
  std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A block of the input's own size: reads past its end are seen by the sanitizers.
  std::unique_ptr<uint8_t[]> exact(new uint8_t[data.size() + (data.empty() ? 1 : 0)]);
  std::copy(data.begin(), data.end(), exact.get());
  LLVMFuzzerTestOneInput(exact.get(), data.size());
  return true;
}

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    fs::path named(argv[i]);
    std::error_code error;
    if (fs::is_directory(named, error)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(named, error))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else {
      inputs.push_back(named);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    fprintf(stderr, "no inputs\n");
    return 1;
  }
  for (const fs::path& input : inputs)
    if (!RunInput(input)) return 1;
  printf("%zu inputs kept their properties\n", inputs.size());
  return 0;
}
