// Turning stored bitmap pixels into what the chip draws: row conversion and
// run-length decoding.
#ifndef QLC_BMP_BMP_PIXELS_H
#define QLC_BMP_BMP_PIXELS_H

#include <stddef.h>
#include <stdint.h>

#include <functional>

#include "bmp/bmp_image.h"

// A 24-bit colour as the chip's 16-bit 5-6-5 pixel.
inline uint16_t Rgb565(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<uint16_t>((blue >> 3) | ((green << 3) & 0x7E0) | ((red << 8) & 0xF800));
}

// Converts the first count pixels of a stored row into the chip's layout at
// the drawing depth: 24-bit pixels, plain 16-bit pixels (5-5-5) and bit-field
// pixels become 5-6-5 little-endian words, everything else is copied as
// stored. fileRow holds BmpRowLength(count, info.depth) bytes, out
// BmpRowLength(count, drawing depth) bytes at least.
void ConvertBmpRow(const BmpInfo& info, const uint8_t* fileRow, uint8_t* out, uint32_t count);

// Pixel i of a packed row at depth 1, 2, 4 or 8 (the leftmost pixel in the
// high bits of a byte, as the file stores it).
void SetPackedPixel(uint8_t* row, uint32_t i, int depth, uint32_t value);
uint32_t GetPackedPixel(const uint8_t* row, uint32_t i, int depth);

// Receives one decoded run of pixels: line counts from the bottom of the
// picture, x is the first pixel, pixels are packed at the file's depth.
typedef std::function<void(uint32_t line, uint32_t x, const uint8_t* pixels, uint32_t count)>
    RleSegmentSink;

// Decodes 4- or 8-bit run-length data for a picture of width x height, of
// which only the columns left of kept are wanted (what the surface shows):
// the decoder's buffer holds no more than those. Runs, deltas and lines
// outside the picture or right of kept are clipped, so the sink never sees
// such a pixel; with kept 0 the data is only checked. Returns false when the
// data stops in the middle of a record (a truncated file); segments before
// that point were delivered.
bool DecodeBmpRle(const uint8_t* data, size_t size, int depth, uint32_t width, uint32_t height,
                  uint32_t kept, const RleSegmentSink& sink);

#endif
