// qlccfg's value parser: one NAME=VALUE word of `qlccfg set`, parsed and then
// applied to the default record.
//
// Properties: a parsed word splits at its first "=" into a non-empty name and
// the value text; registers are named by an index up to FFh; register and
// field values are numbers; a refused word says why; a number parsed from a
// text reads back the same from its decimal and hexadecimal spellings.
// Applying a word never adds, removes or moves registers; a refused word
// leaves the register values as they were, and an accepted register word
// stores its value.
#include <stdio.h>
#include <string.h>

#include <string>

#include "cfg/panel/clocks.h"
#include "cfg/record/record.h"
#include "cfg/record/tracking.h"
#include "cli/assignment.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void CheckNumberSpellings(uint32_t value) {
  char text[16];
  uint32_t back = 0;
  snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
  FUZZ_CHECK(ParseNumberValue(text, &back) && back == value);
  snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  FUZZ_CHECK(ParseNumberValue(text, &back) && back == value);
  snprintf(text, sizeof text, "%Xh", static_cast<unsigned>(value));
  FUZZ_CHECK(ParseNumberValue(text, &back) && back == value);
}

void CheckParsed(const std::string& text, const Assignment& assignment) {
  FUZZ_CHECK(!assignment.name.empty());
  FUZZ_CHECK(assignment.name.find('=') == std::string::npos);
  FUZZ_CHECK(text == assignment.name + "=" + assignment.valueText);
  switch (assignment.target) {
    case AssignTarget::kRegister:
      FUZZ_CHECK(assignment.registerIndex <= 0xFF);
      FUZZ_CHECK(assignment.hasNumber);
      break;
    case AssignTarget::kField:
      FUZZ_CHECK(assignment.hasNumber);
      break;
    case AssignTarget::kPanel:
      FUZZ_CHECK(assignment.setting != nullptr);
      break;
  }
  if (assignment.hasNumber) CheckNumberSpellings(assignment.number);
}

void CheckApplied(const Assignment& assignment) {
  Configuration config;
  const HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  const HAL_STRUCT before = WorkingRecord;
  bool applied = ApplyAssignment(config, assignment);
  for (int i = 0; i < kMaxRegCfg; ++i)
    FUZZ_CHECK(WorkingRecord.Regs[i].Index == before.Regs[i].Index);
  if (!applied) {
    FUZZ_CHECK(memcmp(WorkingRecord.Regs, before.Regs, sizeof before.Regs) == 0);
    FUZZ_CHECK(MessagesShown() > 0);
  } else if (assignment.target == AssignTarget::kRegister) {
    int position = FindRegisterPosition(WorkingRecord, assignment.registerIndex);
    FUZZ_CHECK(position >= 0);
    FUZZ_CHECK(WorkingRecord.Regs[position].Value == assignment.number);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::string text(reinterpret_cast<const char*>(data), size);
  uint32_t number = 0;
  if (ParseNumberValue(text, &number)) CheckNumberSpellings(number);

  Assignment assignment;
  std::string error;
  if (!ParseAssignment(text, &assignment, &error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  CheckParsed(text, assignment);
  CheckApplied(assignment);
  return 0;
}
