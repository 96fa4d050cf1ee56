// Options of the driver headers, chosen in the Export Options dialog. They
// live while the program runs and are never saved.
#ifndef QLC_CFG_EXPORT_EXPORT_OPTIONS_H
#define QLC_CFG_EXPORT_EXPORT_OPTIONS_H

enum { kMaxModeNumber = 1000 };

struct ExportOptions {
  int softwareCursor;         // 1: "Software Cursor", 0: "No Cursor"
  int softwareBlitEmulation;  // 0 or 1
  int modeNumber;             // 0 to kMaxModeNumber, names the mode header
};

// All 0 at program start.
extern ExportOptions CurrentExportOptions;

void ResetExportOptions();
// Stores the mode number limited to 0..kMaxModeNumber.
void SetExportModeNumber(int modeNumber);

#endif
