#include "bmp/bmp_image.h"

#include <fstream>
#include <vector>

namespace {

const uint16_t kBmpSignature = 0x4D42;  // "BM"
const uint32_t kInfoHeaderMinSize = 40;
const uint32_t kInfoHeaderWithMasks = 52;  // the first size that carries the masks itself
const uint32_t kInfoHeaderMaxSize = 1024;

uint16_t Read16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsSupportedDepth(int depth) {
  return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16 || depth == 24;
}

// Which encodings go with which depth; everything else is refused.
bool ChooseEncoding(uint32_t compression, int depth, BmpEncoding* encoding) {
  switch (compression) {
    case 0:
      *encoding = kBmpPlain;
      return true;
    case 1:
      *encoding = kBmpRle8;
      return depth == 8;
    case 2:
      *encoding = kBmpRle4;
      return depth == 4;
    case 3:
      *encoding = kBmpBitFields;
      return depth == 16;
    default:
      return false;
  }
}

}  // namespace

uint32_t BmpRowLength(uint32_t width, int depth) {
  uint64_t bits = static_cast<uint64_t>(width) * static_cast<uint32_t>(depth);
  return static_cast<uint32_t>((bits + 31) / 32 * 4);
}

BmpStatus ParseBmpHeaders(const uint8_t* head, size_t headSize, uint64_t fileSize, BmpInfo* info) {
  *info = BmpInfo();
  if (headSize < kBmpFileHeaderSize + 4 || Read16(head) != kBmpSignature) return kBmpNotBitmap;
  uint32_t dataOffset = Read32(head + 10);
  uint32_t infoSize = Read32(head + kBmpFileHeaderSize);
  if (infoSize < kInfoHeaderMinSize || infoSize > kInfoHeaderMaxSize) return kBmpNotBitmap;
  if (headSize < kBmpFileHeaderSize + kInfoHeaderMinSize) return kBmpNotBitmap;

  const uint8_t* header = head + kBmpFileHeaderSize;
  int32_t width = static_cast<int32_t>(Read32(header + 4));
  int64_t height = static_cast<int32_t>(Read32(header + 8));
  int depth = Read16(header + 14);
  uint32_t compression = Read32(header + 16);
  uint32_t coloursUsed = Read32(header + 32);
  info->compression = compression;
  info->depth = depth;
  if (width <= 0 || height == 0 || !IsSupportedDepth(depth)) return kBmpNotBitmap;
  if (!ChooseEncoding(compression, depth, &info->encoding)) return kBmpNotBitmap;
  info->topDown = height < 0;
  if (info->topDown) {
    // Run-length data always runs bottom-up.
    if (info->encoding == kBmpRle4 || info->encoding == kBmpRle8) return kBmpNotBitmap;
    height = -height;
  }
  if (height > INT32_MAX) return kBmpNotBitmap;
  info->width = width;
  info->height = static_cast<int32_t>(height);

  uint64_t tableStart = kBmpFileHeaderSize + infoSize;
  if (info->encoding == kBmpBitFields) {
    uint64_t masks = kBmpFileHeaderSize + kInfoHeaderMinSize;
    if (infoSize < kInfoHeaderWithMasks) {
      // A plain information header: the masks follow it.
      masks = tableStart;
      tableStart += 12;
    }
    if (masks + 12 > headSize) return kBmpNotBitmap;
    for (int i = 0; i < 3; ++i) info->masks[i] = Read32(head + masks + 4 * i);
    if (info->masks[0] == 0 || info->masks[1] == 0 || info->masks[2] == 0) return kBmpNotBitmap;
  }
  if (dataOffset == 0) dataOffset = static_cast<uint32_t>(tableStart);
  if (dataOffset < tableStart || dataOffset > fileSize) return kBmpNotBitmap;
  info->pixelOffset = dataOffset;

  if (depth <= 8) {
    uint32_t count = 1u << depth;
    if (coloursUsed != 0 && coloursUsed < count) count = coloursUsed;
    // A table that stops where the pixel data begins holds only what fits.
    uint64_t room = (dataOffset - tableStart) / 4;
    if (room < count) count = static_cast<uint32_t>(room);
    if (tableStart + count * 4 > headSize) return kBmpNotBitmap;
    const uint8_t* entry = head + tableStart;
    for (uint32_t i = 0; i < count; ++i, entry += 4) {
      info->colours[i][0] = entry[2];
      info->colours[i][1] = entry[1];
      info->colours[i][2] = entry[0];
    }
    info->colourCount = static_cast<int>(count);
  }

  // Plain rows must all be there; run-length data must at least start.
  uint64_t available = fileSize - dataOffset;
  if (info->encoding == kBmpRle4 || info->encoding == kBmpRle8) {
    if (available < 2 || available > UINT32_MAX) return kBmpNotBitmap;
    // Each two bytes of run-length data reach at most 255 pixels further
    // right or 255 lines further up: a picture wider or taller than its data
    // could reach is not a real one.
    uint64_t reach = 255 * (available / 2) + 1;
    if (static_cast<uint64_t>(width) > reach || static_cast<uint64_t>(info->height) > reach)
      return kBmpNotBitmap;
    info->pixelBytes = static_cast<uint32_t>(available);
  } else {
    uint64_t needed = static_cast<uint64_t>(BmpRowLength(width, depth)) * info->height;
    if (needed > UINT32_MAX || needed > available) return kBmpNotBitmap;
    info->pixelBytes = static_cast<uint32_t>(needed);
  }
  return kBmpOk;
}

BmpStatus ReadBmpInfo(const char* path, BmpInfo* info) {
  *info = BmpInfo();
  std::ifstream in(path, std::ios::binary);
  if (!in) return kBmpCannotOpen;
  in.seekg(0, std::ios::end);
  std::streamoff fileSize = in.tellg();
  in.seekg(0, std::ios::beg);
  if (fileSize < 0) return kBmpNotBitmap;
  std::vector<uint8_t> head(kBmpHeadBytes);
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  size_t got = static_cast<size_t>(in.gcount());
  // Larger information headers push the colour table further out.
  if (got >= kBmpFileHeaderSize + 4) {
    uint32_t infoSize = Read32(head.data() + kBmpFileHeaderSize);
    size_t wanted = kBmpFileHeaderSize + static_cast<size_t>(infoSize) + 12 + kBmpMaxColours * 4;
    if (got == head.size() && infoSize <= kInfoHeaderMaxSize && wanted > head.size()) {
      head.resize(wanted);
      in.read(reinterpret_cast<char*>(head.data() + got),
              static_cast<std::streamsize>(wanted - got));
      got += static_cast<size_t>(in.gcount());
    }
  }
  return ParseBmpHeaders(head.data(), got, static_cast<uint64_t>(fileSize), info);
}
