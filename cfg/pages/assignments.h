// Changing a configuration by name, the way the pages change it: a register
// set by hand (as on the Registers page), a record field, or a Panel or
// Preference page setting that goes through the page's rules, with the
// pages' messages. qlccfg's `set` reads NAME=VALUE words into assignments
// and applies them here.
#ifndef QLC_CFG_PAGES_ASSIGNMENTS_H
#define QLC_CFG_PAGES_ASSIGNMENTS_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"

enum class AssignTarget { kRegister, kField, kPanel };

enum class RecordField {
  kClkI,
  kClkI2,
  kBusClk,
  kRegAddr,
  kDispMemAddr,
  kPowerOffDelay,
  kPowerOnDelay,
  kFlags,
};

struct Assignment {
  AssignTarget target = AssignTarget::kRegister;
  unsigned registerIndex = 0;
  RecordField field = RecordField::kClkI;
  const char* setting = nullptr;  // a name of kPanelSettingNames (settings.h)
  std::string name;               // as typed
  std::string valueText;          // as typed
  bool hasNumber = false;         // valueText read as a number
  uint32_t number = 0;
};

// The name of a field as the command line and the output use it, and the
// field of a name (case ignored).
const char* RecordFieldName(RecordField field);
bool FindRecordField(const std::string& name, RecordField* field);

// Applies one assignment; false when it was refused (the refusal has been
// reported). A refused panel entry leaves its registers as they were.
bool ApplyAssignment(Configuration& config, const Assignment& assignment);

// Applies the assignments in order and stops at the first refusal. Panel
// page settings run between opening and leaving that page; a changed address
// pair must be whole (both zero or both non-zero).
bool ApplyAssignments(Configuration& config, const std::vector<Assignment>& assignments);

// The pixel-clock list entry a typed text stands for: the entry that equals
// it once leading and trailing blanks are dropped on both sides, or the text
// itself when there is none.
std::string PixelClockEntryFor(const Configuration& config, const std::string& typed);

#endif
