// What `qlccfg diff` prints: the differences between two records as lines
// of text or as a JSON list of objects.
#ifndef QLC_CLI_DIFF_VIEW_H
#define QLC_CLI_DIFF_VIEW_H

#include <string>
#include <vector>

#include "cfg/export/record_diff.h"

// One line a difference, "NAME: A -> B" with the values as `show` prints
// them; the panel summary lines as "< " and "> " lines. Empty when there
// are none.
std::string FormatDifferencesText(const std::vector<RecordDifference>& differences);
// A list with an object a difference: {"field", "a", "b"} or {"register",
// "symbol", "a", "b"} (null for a register the record does not list).
std::string FormatDifferencesJson(const std::vector<RecordDifference>& differences);

#endif
