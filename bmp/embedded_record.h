// The configuration record this program carries in its initialised data.
// The configuration utility rewrites it inside the program file, so it is
// only ever reached through a pointer the compiler cannot see through.
#ifndef QLC_BMP_EMBEDDED_RECORD_H
#define QLC_BMP_EMBEDDED_RECORD_H

#include "common/hal_struct.h"

HAL_STRUCT* EmbeddedRecord();

#endif
