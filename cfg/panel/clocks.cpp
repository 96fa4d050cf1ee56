#include "cfg/panel/clocks.h"

#include "cfg/record/record.h"

const uint32_t InputClockTable[kInputClockCount + 1] = {
    6000,  10000, 14318, 17734, 20000, 24000, 25000, 25175, 28318, 30000, 31500,  32000, 33000,
    33333, 34000, 35000, 36000, 40000, 49500, 50000, 56250, 65000, 80000, 100000, 0};

void TakeClockWorkingValuesFromRecord(Configuration& config) {
  config.FixedClkI = (config.WorkingRecord.Flags & fFIXED_CLKI) ? config.WorkingRecord.ClkI : 0;
  config.FixedClkI2 = (config.WorkingRecord.Flags & fFIXED_CLKI2) ? config.WorkingRecord.ClkI2 : 0;
  config.FixedBusClk = config.WorkingRecord.BusClk;
}

uint32_t InputClockOf(const Configuration& config, bool fromClki2) {
  return fromClki2 ? config.WorkingRecord.ClkI2 : config.WorkingRecord.ClkI;
}

uint32_t PixelDivideOfCode(unsigned code) {
  code &= 7;
  return code <= 3 ? code + 1 : 8;
}

unsigned PixelDivideCode(uint32_t divide) {
  if (divide >= 1 && divide <= 4) return divide - 1;
  return 4;
}
