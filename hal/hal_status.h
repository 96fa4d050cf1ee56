// The status codes the HAL operations return.
#ifndef QLC_HAL_HAL_STATUS_H
#define QLC_HAL_HAL_STATUS_H

enum {
  kHalOk = 0,
  kHalMapFailed = 1,
  kHalNoChip = 2,
  kHalNoDriver = 6,
  kHalMapRefused = 7,
  kHalClkINotInTable = 8,
  kHalClkI2NotInTable = 9,
  kHalNoMemory = 11,
  kHalClocksTooSlow = 12,
};

#endif
