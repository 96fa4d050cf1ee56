// Reading a configuration back from an appcfg.h header as the appcfg.h
// export writes it (and as a user may have edited it in the preview).
#ifndef QLC_CFG_RECORD_APPCFG_IMPORT_H
#define QLC_CFG_RECORD_APPCFG_IMPORT_H

#include <stdint.h>

#include "cfg/record/configuration.h"

// The Flags bits as they are named on the header's flags line, in the order
// the export writes them. The import recognises each as a whole word.
struct FlagName {
  const char* name;
  uint32_t bit;
};
enum { kFlagNameCount = 5 };
extern const FlagName kFlagNames[kFlagNameCount];

// Applies the flags, register values, clocks, addresses and power delays found
// in the header at chosenPath to the loaded record and, on success, copies the
// loaded record over the working record. Registers are only changed, never
// added or removed. A null or empty path reads appcfg.h in the temporary
// directory, where the preview puts it. Failures are reported through
// ShowMessage; values already applied stay in the loaded record.
bool ImportAppcfg(Configuration& config, const char* chosenPath);

#endif
