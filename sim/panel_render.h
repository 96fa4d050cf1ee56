// What the panel shows: the chip's scan of display memory through the main
// window and the sub-window, with rotation, LUT, panel kind and invert applied.
#ifndef QLC_SIM_PANEL_RENDER_H
#define QLC_SIM_PANEL_RENDER_H

#include <stdint.h>

#include "sim/chip_state.h"
#include "sim/panel_image.h"

// memory holds memorySize bytes of display memory; pixels the scan would
// fetch from outside it show black.
PanelImage RenderPanel(const ChipState& chip, const uint8_t* memory, uint32_t memorySize);

#endif
