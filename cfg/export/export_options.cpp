#include "cfg/export/export_options.h"

ExportOptions CurrentExportOptions = {0, 0, 0};

void ResetExportOptions() {
  CurrentExportOptions = ExportOptions{0, 0, 0};
}

void SetExportModeNumber(int modeNumber) {
  if (modeNumber < 0) modeNumber = 0;
  if (modeNumber > kMaxModeNumber) modeNumber = kMaxModeNumber;
  CurrentExportOptions.modeNumber = modeNumber;
}
