// The configuration record the HAL programs the chip from.
#ifndef QLC_HAL_HAL_RECORD_H
#define QLC_HAL_HAL_RECORD_H

#include "common/hal_struct.h"

// The record given to hxOpen, or null.
HAL_STRUCT* hxRecord();
// Kept until the end of the program (hxPowerSave may raise a FrameRate
// below 1 to 1).
void hxUseRecord(HAL_STRUCT* record);

#endif
