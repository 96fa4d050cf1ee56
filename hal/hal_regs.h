// Register access to the mapped chip: 8-bit registers, with 16- and 32-bit
// accesses spanning two or four consecutive registers, low byte first.
#ifndef QLC_HAL_HAL_REGS_H
#define QLC_HAL_HAL_REGS_H

#include <stdint.h>

#include "common/register_indices.h"

// Before a board is mapped reads give 0 and writes are dropped.
uint8_t hxRegRead8(uint32_t index);
void hxRegWrite8(uint32_t index, uint8_t value);
uint16_t hxRegRead16(uint32_t index);
void hxRegWrite16(uint32_t index, uint16_t value);
uint32_t hxRegRead32(uint32_t index);
void hxRegWrite32(uint32_t index, uint32_t value);

#endif
