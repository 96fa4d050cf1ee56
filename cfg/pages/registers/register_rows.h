// The Registers page's list: one row per entry of a record's register list,
// with the value in hexadecimal, binary and decimal and the description.
#ifndef QLC_CFG_RECORD_REGISTER_ROWS_H
#define QLC_CFG_RECORD_REGISTER_ROWS_H

#include <string>
#include <vector>

#include "common/hal_struct.h"

enum RegisterColumn {
  kRegisterIndexColumn,
  kRegisterHexColumn,
  kRegisterBinColumn,
  kRegisterDecColumn,
  kRegisterNameColumn,
  kRegisterColumnCount
};

struct RegisterColumnInfo {
  const char* title;
  int initialWidth;  // pixels, before the width is fitted to the contents
};
extern const RegisterColumnInfo kRegisterColumns[kRegisterColumnCount];

struct RegisterRow {
  unsigned index;
  std::string cells[kRegisterColumnCount];
};

// The index as "%04Xh", the value as "%02Xh", its low byte as eight binary
// digits and "b", the value as "%3u", and the description ("?????" for an
// index the catalogue does not know).
RegisterRow MakeRegisterRow(unsigned index, unsigned value);

// The rows of the record's list in list order, up to the end marker or the
// 100th entry.
std::vector<RegisterRow> RegisterRows(const HAL_STRUCT& record);

#endif
