#include "cfg/record/tracking.h"

#include <stdio.h>
#include <string.h>

#include "cfg/record/record.h"
#include "common/message.h"

// Marks are kept by list position: the list's order never changes while a
// file is open, so a position always names the same register.
static bool g_modified[kMaxRegCfg];
static REG_CFG g_snapshot[kMaxRegCfg];

void MarkRegisterModified(unsigned index) {
  int position = FindRegisterPosition(WorkingRecord, index);
  if (position >= 0) g_modified[position] = true;
}

void TakeRegisterSnapshot() {
  memcpy(g_snapshot, WorkingRecord.Regs, sizeof g_snapshot);
}

void ReportRecalculatedRegisters() {
  static const char kHeading[] = "The following manually modified registers were recalculated:\n";
  // Heading plus at most 100 entries of "ffffh ".
  char text[sizeof kHeading + kMaxRegCfg * 8];
  size_t length = strlen(kHeading);
  memcpy(text, kHeading, length + 1);
  bool any = false;
  for (int position = 0; position < kMaxRegCfg; ++position) {
    uint16_t value = WorkingRecord.Regs[position].Value;
    if (!g_modified[position] || value == g_snapshot[position].Value) continue;
    g_modified[position] = false;
    g_snapshot[position].Value = value;
    length += static_cast<size_t>(snprintf(text + length, sizeof text - length, "%xh ",
                                           unsigned(WorkingRecord.Regs[position].Index)));
    any = true;
  }
  if (any) ShowMessage(nullptr, kMsgOk | kMsgIconInfo, "%s", text);
}

void ResetRegisterTracking() {
  memset(g_modified, 0, sizeof g_modified);
  memset(g_snapshot, 0, sizeof g_snapshot);
}
