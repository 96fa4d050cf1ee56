#include "bmp/bmp_draw.h"

#include <string.h>

#include <fstream>
#include <vector>

#include "bmp/bmp_pixels.h"

namespace {

BmpStatus DrawPlainRows(const BmpByteReader& read, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y) {
  if (y >= target.height || x >= target.width) return kBmpOk;
  uint32_t width = static_cast<uint32_t>(info.width);
  uint32_t height = static_cast<uint32_t>(info.height);
  uint32_t fileRowLength = BmpRowLength(width, info.depth);
  // Only the top rows of a picture taller than the surface show, and only
  // the left columns of one wider than it.
  uint32_t shown = height < target.height - y ? height : target.height - y;
  uint32_t columns = width < target.width - x ? width : target.width - x;
  std::vector<uint8_t> fileRow(BmpRowLength(columns, info.depth));
  std::vector<uint8_t> chipRow(BmpRowLength(columns, BmpDrawingDepth(info.depth)));
  for (uint32_t row = 0; row < shown; ++row) {
    uint32_t stored = info.topDown ? row : height - 1 - row;
    uint64_t at = info.pixelOffset + static_cast<uint64_t>(stored) * fileRowLength;
    if (!read(at, fileRow.data(), static_cast<uint32_t>(fileRow.size()))) return kBmpNotBitmap;
    ConvertBmpRow(info, fileRow.data(), chipRow.data(), columns);
    WriteSurfaceRow(target, memory, x, y + row, chipRow.data(), columns);
  }
  return kBmpOk;
}

BmpStatus DrawRunLength(const BmpByteReader& read, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y) {
  std::vector<uint8_t> data(info.pixelBytes);
  if (!read(info.pixelOffset, data.data(), info.pixelBytes)) return kBmpNotBitmap;
  uint32_t width = static_cast<uint32_t>(info.width);
  uint32_t height = static_cast<uint32_t>(info.height);
  auto ignore = [](uint32_t, uint32_t, const uint8_t*, uint32_t) {};
  if (!DecodeBmpRle(data.data(), data.size(), info.depth, width, height, 0, ignore))
    return kBmpNotBitmap;
  if (x >= target.width) return kBmpOk;
  auto draw = [&](uint32_t line, uint32_t start, const uint8_t* pixels, uint32_t count) {
    uint64_t row = static_cast<uint64_t>(y) + (height - 1 - line);
    if (row < target.height)
      WriteSurfaceRow(target, memory, x + start, static_cast<uint32_t>(row), pixels, count);
  };
  DecodeBmpRle(data.data(), data.size(), info.depth, width, height, target.width - x, draw);
  return kBmpOk;
}

}  // namespace

BmpStatus DrawBmpPixels(const BmpByteReader& read, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y) {
  if (info.encoding == kBmpRle4 || info.encoding == kBmpRle8)
    return DrawRunLength(read, info, target, memory, x, y);
  return DrawPlainRows(read, info, target, memory, x, y);
}

BmpStatus DrawBmpFile(const char* path, const BmpInfo& info, const SurfaceTarget& target,
                      DisplayMemory& memory, uint32_t x, uint32_t y) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return kBmpCannotOpen;
  auto read = [&in](uint64_t offset, uint8_t* buffer, uint32_t length) {
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
    in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(length));
    return static_cast<uint32_t>(in.gcount()) == length;
  };
  return DrawBmpPixels(read, info, target, memory, x, y);
}

BmpStatus DrawBmpBytes(const uint8_t* file, size_t size, const BmpInfo& info,
                       const SurfaceTarget& target, DisplayMemory& memory, uint32_t x, uint32_t y) {
  auto read = [file, size](uint64_t offset, uint8_t* buffer, uint32_t length) {
    if (offset > size || length > size - offset) return false;
    if (length != 0) memcpy(buffer, file + offset, length);
    return true;
  };
  return DrawBmpPixels(read, info, target, memory, x, y);
}
