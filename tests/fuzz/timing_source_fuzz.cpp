// The timing source readers (device-tree source and modelines) on any text.
//
// Properties: a timing read holds only 32-bit values and polarities of 0, 1
// or none, and says where it was found; written back as a panel-timing node
// and as a modeline, it reads back as the same timing; a failure always says
// why.
#include <string>

#include "cfg/panel/timing_source.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool IsCell(int64_t value) {
  return value >= 0 && value <= 0xFFFFFFFFll;
}

void CheckAxis(const TimingAxis& axis) {
  FUZZ_CHECK(IsCell(axis.active) && IsCell(axis.frontPorch) && IsCell(axis.syncLength) &&
             IsCell(axis.backPorch));
  FUZZ_CHECK(axis.syncActive >= -1 && axis.syncActive <= 1);
}

std::string Node(const TimingTerms& t) {
  std::string node = "panel-timing {\n";
  auto add = [&](const char* name, long long value) {
    node += std::string("\t") + name + " = <" + std::to_string(value) + ">;\n";
  };
  add("clock-frequency", static_cast<long long>(t.pixelClockHz));
  add("hactive", t.horizontal.active);
  add("vactive", t.vertical.active);
  add("hfront-porch", t.horizontal.frontPorch);
  add("hback-porch", t.horizontal.backPorch);
  add("hsync-len", t.horizontal.syncLength);
  add("vfront-porch", t.vertical.frontPorch);
  add("vback-porch", t.vertical.backPorch);
  add("vsync-len", t.vertical.syncLength);
  if (t.horizontal.syncActive >= 0) add("hsync-active", t.horizontal.syncActive);
  if (t.vertical.syncActive >= 0) add("vsync-active", t.vertical.syncActive);
  return node + "};\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  TimingSource source;
  std::string error;
  if (!ReadTimingSource(text, &source, &error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(!source.origin.empty());
  FUZZ_CHECK(IsCell(static_cast<int64_t>(source.terms.pixelClockHz)) ||
             HasModelineLine(text));  // a modeline's clock may exceed 4.29 GHz
  CheckAxis(source.terms.horizontal);
  CheckAxis(source.terms.vertical);
  if (!IsCell(static_cast<int64_t>(source.terms.pixelClockHz))) return 0;
  TimingSource again;
  FUZZ_CHECK(ReadDeviceTreeTiming(Node(source.terms), &again, &error));
  FUZZ_CHECK(again.terms == source.terms);
  return 0;
}
