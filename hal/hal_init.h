// Programming the chip from the configuration record.
#ifndef QLC_HAL_HAL_INIT_H
#define QLC_HAL_HAL_INIT_H

#include <stdint.h>

enum { kApplyClearMemory = 1, kApplyBlankDisplay = 2 };

// Flags kApplyClearMemory | kApplyBlankDisplay: 0, 8, 9 or 11.
int hxApplyConfig(unsigned flags);
// The value listed for register index in the record (last entry wins), or 0.
uint16_t hxFindRegValue(uint32_t index);

#endif
