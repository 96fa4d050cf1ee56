// The chip's look-up table and the default tables for each colour depth.
#ifndef QLC_HAL_HAL_LUT_H
#define QLC_HAL_HAL_LUT_H

#include <stdint.h>

// count (red, green, blue) triples into LUT indexes 0..count-1.
void hxWriteLut(const uint8_t* triples, unsigned count);
void hxWriteLutEntry(unsigned index, const uint8_t* triple);

// The default table for depth d (bits per pixel) on a colour or monochrome
// panel: sets *count (0 for 16 bits) and returns the triples.
const uint8_t* hxDefaultLut(unsigned d, bool colourPanel, unsigned* count);
// Loads the default table for d and the panel kind in REG[10h] bit 6.
void hxLoadDefaultLut(unsigned d);

#endif
