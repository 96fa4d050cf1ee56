// The frame clock: how long a frame of the programmed panel lasts and when the
// chip is in its vertical non-display period.
#ifndef QLC_SIM_FRAME_TIMING_H
#define QLC_SIM_FRAME_TIMING_H

#include <stdint.h>

#include "sim/chip_state.h"

// The pixel clock from the input clocks and REG[04h]/REG[05h], kHz.
uint32_t ChipPixelClockKhz(const ChipState& chip);

// Lines per frame as scanned: the vertical total, but always at least one
// line more than the display period, so every frame has a non-display period.
uint32_t ScannedLinesPerFrame(const ChipState& chip);

// HT x lines pixel-clock periods. A zero pixel clock gives a 60 Hz frame and
// no frame lasts longer than a second, so a misprogrammed board never stalls
// a waiting program for minutes.
uint64_t FrameNanoseconds(const ChipState& chip);

// Whether the scan is in the vertical non-display period elapsedNs after the
// frame clock started: the lines after the display period to the end of the frame.
bool InVerticalNonDisplay(const ChipState& chip, uint64_t elapsedNs);

#endif
