#include "bmp/bmp_pixels.h"

#include <string.h>

#include <vector>

namespace {

// Plain 16-bit rows hold 5-5-5 pixels, the top bit unused.
const uint32_t kPlain16Masks[3] = {0x7C00, 0x03E0, 0x001F};

// A 5- or 6-bit field scaled from a colour mask of any width (a zero mask
// gives 0).
uint32_t ScaleMasked(uint32_t pixel, uint32_t mask, int bits) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!(mask & (1u << shift))) ++shift;
  uint32_t maximum = mask >> shift;
  uint32_t value = (pixel & mask) >> shift;
  return static_cast<uint32_t>((uint64_t{value} * ((1u << bits) - 1) + maximum / 2) / maximum);
}

void Store16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

void ConvertBmpRow(const BmpInfo& info, const uint8_t* fileRow, uint8_t* out, uint32_t count) {
  if (info.depth == 24) {
    for (uint32_t i = 0; i < count; ++i, fileRow += 3)
      Store16(out + 2 * i, Rgb565(fileRow[2], fileRow[1], fileRow[0]));
  } else if (info.depth == 16) {
    const uint32_t* masks = info.encoding == kBmpBitFields ? info.masks : kPlain16Masks;
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t pixel = fileRow[2 * i] | (fileRow[2 * i + 1] << 8);
      uint32_t red = ScaleMasked(pixel, masks[0], 5);
      uint32_t green = ScaleMasked(pixel, masks[1], 6);
      uint32_t blue = ScaleMasked(pixel, masks[2], 5);
      Store16(out + 2 * i, static_cast<uint16_t>(red << 11 | green << 5 | blue));
    }
  } else {
    memcpy(out, fileRow, BmpRowLength(count, info.depth));
  }
}

void SetPackedPixel(uint8_t* row, uint32_t i, int depth, uint32_t value) {
  if (depth == 8) {
    row[i] = static_cast<uint8_t>(value);
    return;
  }
  uint32_t bit = i * static_cast<uint32_t>(depth);
  int shift = 8 - depth - static_cast<int>(bit % 8);
  uint8_t mask = static_cast<uint8_t>(((1u << depth) - 1) << shift);
  row[bit / 8] = static_cast<uint8_t>((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

uint32_t GetPackedPixel(const uint8_t* row, uint32_t i, int depth) {
  if (depth == 8) return row[i];
  uint32_t bit = i * static_cast<uint32_t>(depth);
  int shift = 8 - depth - static_cast<int>(bit % 8);
  return (row[bit / 8] >> shift) & ((1u << depth) - 1);
}

bool DecodeBmpRle(const uint8_t* data, size_t size, int depth, uint32_t width, uint32_t height,
                  uint32_t kept, const RleSegmentSink& sink) {
  // The segment holds the pixels from column start up to the last kept
  // column at most; pixels further right are only counted.
  uint64_t limit = kept < width ? kept : width;
  std::vector<uint8_t> segment(BmpRowLength(static_cast<uint32_t>(limit), depth) + 1);
  uint64_t line = 0, start = 0, count = 0;
  // Adds n pixels to the segment, pixel i being value(i); those right of the
  // last kept column are only counted.
  auto append = [&](uint32_t n, const auto& value) {
    uint64_t room = start + count < limit ? limit - start - count : 0;
    uint64_t stored = n < room ? n : room;
    for (uint32_t i = 0; i < stored; ++i)
      SetPackedPixel(segment.data(), static_cast<uint32_t>(count + i), depth, value(i));
    count += n;
  };
  auto emit = [&]() {
    if (count != 0 && line < height && start < limit) {
      uint64_t shown = count < limit - start ? count : limit - start;
      sink(static_cast<uint32_t>(line), static_cast<uint32_t>(start), segment.data(),
           static_cast<uint32_t>(shown));
    }
  };
  size_t at = 0;
  while (at + 2 <= size) {
    uint8_t first = data[at], second = data[at + 1];
    at += 2;
    if (first != 0) {
      // Encoded run: for 4-bit data the byte holds two alternating pixels.
      append(first, [&](uint32_t i) -> uint32_t {
        return depth == 8 ? second : (i % 2 == 0 ? second >> 4 : second & 0x0F);
      });
    } else if (second == 0) {
      emit();
      ++line;
      start = count = 0;
    } else if (second == 1) {
      emit();
      return true;
    } else if (second == 2) {
      if (at + 2 > size) return false;
      emit();
      start += count + data[at];
      line += data[at + 1];
      count = 0;
      at += 2;
    } else {
      size_t bytes = (static_cast<size_t>(second) * depth + 7) / 8;
      size_t padded = (bytes + 1) & ~static_cast<size_t>(1);
      if (at + padded > size) return false;
      const uint8_t* pixels = data + at;
      append(second, [&](uint32_t i) -> uint32_t {
        return depth == 8 ? pixels[i] : GetPackedPixel(pixels, i, 4);
      });
      at += padded;
    }
    if (line >= height) return true;  // nothing more can be shown
  }
  if (at != size) return false;
  emit();
  return true;
}
