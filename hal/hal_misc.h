// Frame-counted waits, power save and LCD power sequencing.
#ifndef QLC_HAL_HAL_MISC_H
#define QLC_HAL_HAL_MISC_H

#include <stdint.h>

// Waits ms milliseconds counted in frames of the record's FrameRate;
// returns 1 at once when the chip is in power save.
int hxWaitFrames(uint32_t ms);
// Waits for the start of the next vertical non-display period.
void hxWaitVerticalNonDisplay();
// 1 enters power save (LCD power off first), 0 leaves it.
void hxPowerSave(int on);
void hxLcdPower(int on);

#endif
