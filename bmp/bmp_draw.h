// Drawing a bitmap file into a surface of display memory.
#ifndef QLC_BMP_BMP_DRAW_H
#define QLC_BMP_BMP_DRAW_H

#include <stddef.h>
#include <stdint.h>

#include <functional>

#include "bmp/bmp_image.h"
#include "bmp/surface_rows.h"

// Reads length bytes of the file at offset into buffer; false when fewer
// are there.
typedef std::function<bool(uint64_t offset, uint8_t* buffer, uint32_t length)> BmpByteReader;

// Draws the pixel data of the file that read gives, whose headers info
// describes, with its top left corner at (x, y) of the surface. 24-bit pixels
// are drawn as 16-bit 5-6-5, so target.depth is BmpDrawingDepth(info.depth).
// Only the columns the surface shows are read and kept. Run-length data is
// checked whole before anything is drawn. Returns kBmpOk, or kBmpNotBitmap
// when the pixel data is cut short.
BmpStatus DrawBmpPixels(const BmpByteReader& read, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y);

// The same for the file at path (kBmpCannotOpen when it cannot be opened)
// and for a whole file held in memory.
BmpStatus DrawBmpFile(const char* path, const BmpInfo& info, const SurfaceTarget& target,
                      DisplayMemory& memory, uint32_t x, uint32_t y);
BmpStatus DrawBmpBytes(const uint8_t* file, size_t size, const BmpInfo& info,
                       const SurfaceTarget& target, DisplayMemory& memory, uint32_t x, uint32_t y);

#endif
