// Drawing a bitmap file into a surface of display memory.
#ifndef QLC_BMP_BMP_DRAW_H
#define QLC_BMP_BMP_DRAW_H

#include <stdint.h>

#include "bmp/bmp_image.h"
#include "bmp/surface_rows.h"

// Draws the pixel data of the file at path, whose headers info describes,
// with its top left corner at (x, y) of the surface. 24-bit pixels are drawn
// as 16-bit 5-6-5, so target.depth is BmpDrawingDepth(info.depth). Run-length
// data is checked whole before anything is drawn. Returns kBmpOk,
// kBmpCannotOpen, or kBmpNotBitmap when the pixel data is cut short.
BmpStatus DrawBmpFile(const char* path, const BmpInfo& info, const SurfaceTarget& target,
                      DisplayMemory& memory, uint32_t x, uint32_t y);

#endif
