// Applying `qlccfg set` assignments to the working record through the same
// record functions and entry rules the settings pages use.
#ifndef QLC_CLI_SET_COMMAND_H
#define QLC_CLI_SET_COMMAND_H

#include <vector>

#include "cfg/record/configuration.h"
#include "cli/assignment.h"

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
