// The virtual board without a folder: a chip straight after power-up and its
// display memory, held in the process only, for running the HAL in-process
// (hxUseBoard) and rendering what the panel shows. Nothing is written
// anywhere. Its frame clock advances with each read of the vertical
// non-display status (REG[A0h] bit 7), which toggles on every read, so the
// HAL's frame-counted waits end at once instead of taking real time.
#ifndef QLC_SIM_MEMORY_BOARD_H
#define QLC_SIM_MEMORY_BOARD_H

#include "hal/hal_pci.h"
#include "sim/panel_image.h"

// Puts the board back to power-up (registers, LUT and display memory
// cleared) and returns its operations.
const HalBoardOps* FreshMemoryBoard();

// What the panel shows now.
PanelImage MemoryBoardRenderPanel();

#endif
