// Register access through whichever board is mapped.
#include "hal/hal_regs.h"

#include "hal/hal_pci.h"

uint8_t hxRegRead8(uint32_t index) {
  const HalBoardOps* board = hxBoard();
  return board ? board->readRegister(index) : 0;
}

void hxRegWrite8(uint32_t index, uint8_t value) {
  const HalBoardOps* board = hxBoard();
  if (board) board->writeRegister(index, value);
}

uint16_t hxRegRead16(uint32_t index) {
  return static_cast<uint16_t>(hxRegRead8(index) | (hxRegRead8(index + 1) << 8));
}

void hxRegWrite16(uint32_t index, uint16_t value) {
  hxRegWrite8(index, static_cast<uint8_t>(value));
  hxRegWrite8(index + 1, static_cast<uint8_t>(value >> 8));
}

uint32_t hxRegRead32(uint32_t index) {
  return static_cast<uint32_t>(hxRegRead16(index)) |
         (static_cast<uint32_t>(hxRegRead16(index + 2)) << 16);
}

void hxRegWrite32(uint32_t index, uint32_t value) {
  hxRegWrite16(index, static_cast<uint16_t>(value));
  hxRegWrite16(index + 2, static_cast<uint16_t>(value >> 16));
}
