#include "bmp/surface_rows.h"

#include <string.h>

#include <vector>

#include "bmp/bmp_pixels.h"

uint32_t PointerDisplayMemory::Read32(uint32_t offset) {
  uint32_t value;
  memcpy(&value, base_ + offset, sizeof value);
  return value;
}

void PointerDisplayMemory::Write32(uint32_t offset, uint32_t value) {
  memcpy(base_ + offset, &value, sizeof value);
}

void WriteSurfaceRow(const SurfaceTarget& target, DisplayMemory& memory, uint32_t x, uint32_t row,
                     const uint8_t* pixels, uint32_t count) {
  if (row >= target.height || x >= target.width || count == 0) return;
  uint32_t depth = static_cast<uint32_t>(target.depth);
  uint64_t n = count < target.width - x ? count : target.width - x;
  uint64_t limit = target.limit & ~3u;
  if (limit <= target.offset) return;
  uint64_t firstBit = static_cast<uint64_t>(row) * target.lineBytes * 8 +
                      (static_cast<uint64_t>(x) + target.pad) * depth;
  uint64_t roomBits = (limit - target.offset) * 8;
  if (firstBit >= roomBits) return;
  if (firstBit + n * depth > roomBits) n = (roomBits - firstBit) / depth;
  if (n == 0) return;

  uint64_t firstByte = target.offset + firstBit / 8;
  uint64_t endByte = target.offset + (firstBit + n * depth + 7) / 8;
  uint32_t firstWord = static_cast<uint32_t>(firstByte & ~3ull);
  uint32_t endWord = static_cast<uint32_t>((endByte + 3) & ~3ull);

  // Read the words the row touches, merge the pixels in, write them back:
  // bits of neighbouring pixels that share a word are kept.
  std::vector<uint8_t> span(endWord - firstWord);
  for (uint32_t at = firstWord; at < endWord; at += 4) {
    uint32_t word = memory.Read32(at);
    for (int b = 0; b < 4; ++b) span[at - firstWord + b] = static_cast<uint8_t>(word >> (8 * b));
  }
  uint32_t leadingBytes = static_cast<uint32_t>(firstByte - firstWord);
  if (depth >= 8) {
    memcpy(span.data() + leadingBytes, pixels, static_cast<size_t>(n * depth / 8));
  } else {
    uint32_t base = leadingBytes * 8 / depth + static_cast<uint32_t>(firstBit % 8) / depth;
    for (uint32_t i = 0; i < n; ++i)
      SetPackedPixel(span.data(), base + i, target.depth, GetPackedPixel(pixels, i, target.depth));
  }
  for (uint32_t at = firstWord; at < endWord; at += 4) {
    const uint8_t* b = span.data() + (at - firstWord);
    memory.Write32(at, b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
  }
}
