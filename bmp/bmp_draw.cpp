#include "bmp/bmp_draw.h"

#include <fstream>
#include <vector>

#include "bmp/bmp_pixels.h"

namespace {

bool ReadAt(std::ifstream& in, uint64_t offset, uint8_t* buffer, uint32_t length) {
  in.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(length));
  return static_cast<uint32_t>(in.gcount()) == length;
}

BmpStatus DrawPlainRows(std::ifstream& in, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y) {
  if (y >= target.height) return kBmpOk;
  uint32_t width = static_cast<uint32_t>(info.width);
  uint32_t height = static_cast<uint32_t>(info.height);
  uint32_t fileRowLength = BmpRowLength(width, info.depth);
  // Only the top rows of a picture taller than the surface show.
  uint32_t shown = height < target.height - y ? height : target.height - y;
  std::vector<uint8_t> fileRow(fileRowLength);
  std::vector<uint8_t> chipRow(BmpRowLength(width, BmpDrawingDepth(info.depth)));
  for (uint32_t row = 0; row < shown; ++row) {
    uint32_t stored = info.topDown ? row : height - 1 - row;
    uint64_t at = info.pixelOffset + static_cast<uint64_t>(stored) * fileRowLength;
    if (!ReadAt(in, at, fileRow.data(), fileRowLength)) return kBmpNotBitmap;
    ConvertBmpRow(info, fileRow.data(), chipRow.data());
    WriteSurfaceRow(target, memory, x, y + row, chipRow.data(), width);
  }
  return kBmpOk;
}

BmpStatus DrawRunLength(std::ifstream& in, const BmpInfo& info, const SurfaceTarget& target,
                        DisplayMemory& memory, uint32_t x, uint32_t y) {
  std::vector<uint8_t> data(info.pixelBytes);
  if (!ReadAt(in, info.pixelOffset, data.data(), info.pixelBytes)) return kBmpNotBitmap;
  uint32_t width = static_cast<uint32_t>(info.width);
  uint32_t height = static_cast<uint32_t>(info.height);
  auto ignore = [](uint32_t, uint32_t, const uint8_t*, uint32_t) {};
  if (!DecodeBmpRle(data.data(), data.size(), info.depth, width, height, ignore))
    return kBmpNotBitmap;
  auto draw = [&](uint32_t line, uint32_t start, const uint8_t* pixels, uint32_t count) {
    uint64_t column = static_cast<uint64_t>(x) + start;
    uint64_t row = static_cast<uint64_t>(y) + (height - 1 - line);
    if (column < target.width && row < target.height)
      WriteSurfaceRow(target, memory, static_cast<uint32_t>(column), static_cast<uint32_t>(row),
                      pixels, count);
  };
  DecodeBmpRle(data.data(), data.size(), info.depth, width, height, draw);
  return kBmpOk;
}

}  // namespace

BmpStatus DrawBmpFile(const char* path, const BmpInfo& info, const SurfaceTarget& target,
                      DisplayMemory& memory, uint32_t x, uint32_t y) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return kBmpCannotOpen;
  if (info.encoding == kBmpRle4 || info.encoding == kBmpRle8)
    return DrawRunLength(in, info, target, memory, x, y);
  return DrawPlainRows(in, info, target, memory, x, y);
}
