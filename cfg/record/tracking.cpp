#include "cfg/record/tracking.h"

#include <stdio.h>
#include <string.h>

#include "cfg/record/record.h"
#include "common/message.h"

void MarkRegisterModified(Configuration& config, unsigned index) {
  int position = FindRegisterPosition(config.WorkingRecord, index);
  if (position >= 0) config.Tracking.modified[position] = true;
}

void TakeRegisterSnapshot(Configuration& config) {
  memcpy(config.Tracking.snapshot, config.WorkingRecord.Regs, sizeof config.Tracking.snapshot);
}

void ReportRecalculatedRegisters(Configuration& config) {
  static const char kHeading[] = "The following manually modified registers were recalculated:\n";
  // Heading plus at most 100 entries of "ffffh ".
  char text[sizeof kHeading + kMaxRegCfg * 8];
  size_t length = strlen(kHeading);
  memcpy(text, kHeading, length + 1);
  bool any = false;
  for (int position = 0; position < kMaxRegCfg; ++position) {
    uint16_t value = config.WorkingRecord.Regs[position].Value;
    if (!config.Tracking.modified[position] || value == config.Tracking.snapshot[position].Value)
      continue;
    config.Tracking.modified[position] = false;
    config.Tracking.snapshot[position].Value = value;
    length += static_cast<size_t>(snprintf(text + length, sizeof text - length, "%xh ",
                                           unsigned(config.WorkingRecord.Regs[position].Index)));
    any = true;
  }
  if (any) ShowMessage(kMsgOk | kMsgIconInfo, "%s", text);
}
