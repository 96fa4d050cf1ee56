// Values of the working record that several exports print: colour depth,
// display size in the rotated orientation, line stride and list length.
#ifndef QLC_CFG_EXPORT_DISPLAY_VALUES_H
#define QLC_CFG_EXPORT_DISPLAY_VALUES_H

#include <stdint.h>

#include "cfg/record/configuration.h"
#include "common/hal_struct.h"

// Bits per pixel of a REG[70h] depth code (bits 2..0): 1, 2, 4, 8, and 16
// for codes 4 to 7, the way the chip reads them.
unsigned ColourDepthBitsOfCode(unsigned code);
// The working record's colour depth.
unsigned GetColourDepthBits(const Configuration& config);

// Panel width and height, exchanged when REG[71h] bit 0 rotates the display
// by 90 or 270 degrees.
void GetRotatedDisplaySize(const Configuration& config, uint32_t* width, uint32_t* height);

// Main window line offset in bytes: (REG[78h] + REG[79h] * 256) * 4.
uint32_t GetLineStrideBytes(const Configuration& config);

// Number of register-list entries before the end marker, at most 100.
int RegisterListLength(const HAL_STRUCT& record);

// The register value an entry carries: the low byte of its Value. A record
// compiled elsewhere may hold a high byte, which the chip never receives.
unsigned RegisterEntryValue(const REG_CFG& entry);

#endif
