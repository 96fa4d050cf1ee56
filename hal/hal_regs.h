// Register access to the mapped chip: 8-bit registers, with 16- and 32-bit
// accesses spanning two or four consecutive registers, low byte first.
#ifndef QLC_HAL_HAL_REGS_H
#define QLC_HAL_HAL_REGS_H

#include <stdint.h>

// The registers the HAL itself programs or reads.
enum {
  REG_REVISION_CODE = 0x00,
  REG_BUSCLK_MEMCLK_CONFIG = 0x04,
  REG_PCLK_CONFIG = 0x05,
  REG_LUT_BLUE_WRITE_DATA = 0x08,
  REG_LUT_GREEN_WRITE_DATA = 0x09,
  REG_LUT_RED_WRITE_DATA = 0x0A,
  REG_LUT_WRITE_ADDR = 0x0B,
  REG_PANEL_TYPE = 0x10,
  REG_HDP = 0x14,
  REG_VDP0 = 0x1C,
  REG_KVRX_GCP_INDEX = 0x28,
  REG_KVRX_GCP_DATA = 0x2C,
  REG_DISPLAY_MODE = 0x70,
  REG_SPECIAL_EFFECTS = 0x71,
  REG_MAIN_WIN_DISP_START_ADDR0 = 0x74,
  REG_MAIN_WIN_ADDR_OFFSET0 = 0x78,
  REG_SUB_WIN_DISP_START_ADDR0 = 0x7C,
  REG_SUB_WIN_ADDR_OFFSET0 = 0x80,
  REG_SUB_WIN_X_START_POS0 = 0x84,
  REG_SUB_WIN_Y_START_POS0 = 0x88,
  REG_SUB_WIN_X_END_POS0 = 0x8C,
  REG_SUB_WIN_Y_END_POS0 = 0x90,
  REG_POWER_SAVE_CONFIG = 0xA0,
  REG_GPIO_CONFIG0 = 0xA8,
  REG_GPIO_STATUS_CONTROL0 = 0xAC,
  REG_GPIO_STATUS_CONTROL1 = 0xAD,
};

// Before a board is mapped reads give 0 and writes are dropped.
uint8_t hxRegRead8(uint32_t index);
void hxRegWrite8(uint32_t index, uint8_t value);
uint16_t hxRegRead16(uint32_t index);
void hxRegWrite16(uint32_t index, uint16_t value);
uint32_t hxRegRead32(uint32_t index);
void hxRegWrite32(uint32_t index, uint32_t value);

#endif
