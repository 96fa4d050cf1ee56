// One configuration being edited: the record as last read from its file, the
// working record the pages and commands change, and the working state that
// goes with it for as long as the file is open (the clock working values, the
// panel matching, the export options, the registers set by hand). The
// configurator's window owns one; qlccfg makes one per file it works on. The
// logic takes it by reference, so two configurations can live side by side.
#ifndef QLC_CFG_RECORD_CONFIGURATION_H
#define QLC_CFG_RECORD_CONFIGURATION_H

#include <stdint.h>

#include "common/hal_struct.h"

// Which predefined panel the settings matched last.
struct PanelMatchState {
  int matchedIndex = 1;  // list index matched last, -1 none
  bool rematchPending = false;
  bool matchingEnabled = true;  // cleared while a panel is being applied
};

// Options of the driver headers, chosen in the Export Options dialog. They
// live while the program runs and are never saved.
struct ExportOptions {
  int softwareCursor = 0;         // 1: "Software Cursor", 0: "No Cursor"
  int softwareBlitEmulation = 0;  // 0 or 1
  int modeNumber = 0;             // 0 to kMaxModeNumber, names the mode header
};

// The registers set by hand, by list position (the list's order never
// changes while a file is open, so a position always names the same
// register), and their values when last reported.
struct RegisterTracking {
  bool modified[kMaxRegCfg] = {};
  REG_CFG snapshot[kMaxRegCfg] = {};
};

class Configuration {
 public:
  // Both records are the default record; the clock working values are taken
  // from it.
  Configuration();

  HAL_STRUCT LoadedRecord;
  HAL_STRUCT WorkingRecord;

  // The clock working values (kHz): ClkI / ClkI2 while that input is fixed,
  // 0 while it is "Auto"; the bus clock as last derived by the Clocks page.
  uint32_t FixedClkI = 0;
  uint32_t FixedClkI2 = 0;
  uint32_t FixedBusClk = 0;
  // The hidden option that offers CLKI2 as the bus clock source; once on it
  // stays on.
  bool Clki2BusClockOption = false;

  PanelMatchState PanelMatching;
  ExportOptions Export;
  RegisterTracking Tracking;

  // Register value 0..255 of the working record; an index not in the list is
  // reported ("Invalid register requested: %xh") and reads 0.
  unsigned GetRegister(unsigned index) const;
  // Stores value & 0xFF with a zero high byte; an absent index is reported
  // and nothing changes.
  void SetRegister(unsigned index, unsigned value);
  // The same on the loaded record (used by the header import).
  void SetLoadedRegister(unsigned index, unsigned value);

  // Both copies back to the default record.
  void ResetRecords();
  // Copies the loaded record over the working record (after an open or import).
  void UseLoadedRecord();
};

#endif
