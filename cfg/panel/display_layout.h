// Where the main window's picture lies in display memory: the rotation and
// colour depth the chip shows it at, its start address and its line offset,
// kept in step with the panel size.
#ifndef QLC_CFG_PANEL_DISPLAY_LAYOUT_H
#define QLC_CFG_PANEL_DISPLAY_LAYOUT_H

#include <stdint.h>

#include "cfg/record/configuration.h"

enum { kRotation0 = 0, kRotation90 = 1, kRotation180 = 2, kRotation270 = 3 };
enum { kMaxColorDepthCode = 4 };  // 0..4 = 1, 2, 4, 8, 16 bits per pixel

unsigned GetRotation(const Configuration& config);        // REG[71h] bits 1:0
unsigned GetColorDepthCode(const Configuration& config);  // REG[70h] bits 2:0
uint32_t BitsPerPixel(const Configuration& config);       // 2 ^ colour depth code

// Main window start address in 32-bit words for a rotation and the current
// size and depth. An address that would fall below 0 is 0.
uint32_t MainWindowStartAddress(const Configuration& config, unsigned rotation);
void SetMainWindowStartAddress(Configuration& config, uint32_t words);

// Main window line offset in 32-bit words for the colour depth and rotation.
uint32_t LineOffsetWords(const Configuration& config);
void UpdateLineOffset(Configuration& config);

// The start address for the current rotation and UpdateLineOffset: after a
// change of the colour depth, the width or the height.
void UpdateMainWindowLayout(Configuration& config);

#endif
