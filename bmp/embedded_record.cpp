#include "bmp/embedded_record.h"

#include "common/default_record.h"

// Not const: it must live in the program file's writable data, byte for byte
// the default record until the configuration utility patches it.
HAL_STRUCT HalInfo = QLC_DEFAULT_HAL_STRUCT;

HAL_STRUCT* EmbeddedRecord() {
  // Reading the address through a volatile pointer keeps the compiler from
  // folding the record's initial values into code.
  HAL_STRUCT* volatile record = &HalInfo;
  return record;
}
