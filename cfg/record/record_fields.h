// The record's single-value fields as the tools name and list them: the
// clocks, the addresses, the frame rate and the power delays.
#ifndef QLC_CFG_RECORD_RECORD_FIELDS_H
#define QLC_CFG_RECORD_RECORD_FIELDS_H

#include "common/hal_struct.h"

struct FieldInfo {
  const char* name;
  bool hex;          // shown in hexadecimal (addresses)
  const char* unit;  // shown after a decimal value (" kHz", ...)
  unsigned (*value)(const HAL_STRUCT& record);
};

enum { kFieldInfoCount = 8 };
extern const FieldInfo kFieldInfos[kFieldInfoCount];

#endif
