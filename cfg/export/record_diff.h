// What differs between two configurations: each record field, each GCP byte
// and each register (by index; the last entry of an index counts, as the HAL
// writes the list in order), and the panel summary lines when they differ.
#ifndef QLC_CFG_EXPORT_RECORD_DIFF_H
#define QLC_CFG_EXPORT_RECORD_DIFF_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/configuration.h"
#include "cfg/record/record_fields.h"

enum class DifferenceKind { kFlags, kField, kGcpData, kRegister, kPanel };

struct RecordDifference {
  DifferenceKind kind = DifferenceKind::kField;
  const FieldInfo* field = nullptr;  // kField
  unsigned index = 0;                // kRegister: the register; kGcpData: the byte
  bool inA = true, inB = true;       // kRegister: listed in each record
  uint32_t a = 0, b = 0;             // the values (registers: the byte the chip gets)
  std::string panelA, panelB;        // kPanel: the summary lines
};

// In the order flags, fields, GCP bytes, registers by rising index, panel;
// empty when the working records agree in all of them.
std::vector<RecordDifference> CompareConfigurations(const Configuration& a, const Configuration& b);

#endif
