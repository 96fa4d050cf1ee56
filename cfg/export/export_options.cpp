#include "cfg/export/export_options.h"

void SetExportModeNumber(Configuration& config, int64_t modeNumber) {
  if (modeNumber < 0) modeNumber = 0;
  if (modeNumber > kMaxModeNumber) modeNumber = kMaxModeNumber;
  config.Export.modeNumber = static_cast<int>(modeNumber);
}
