// The BMP reader and the drawing of plain and run-length pixel data into a
// surface in the virtual board's display memory, on any file.
//
// Properties: reading the file and parsing its bytes agree; a picture that
// is accepted has a positive size, a depth the chip draws and all of its
// plain rows (or some run-length data) inside the file; drawing reads and
// writes only whole words inside the surface's buffer, and the board counts
// no refused access; outside the rectangle the picture covers, display memory
// keeps every bit; inside it, a plain picture shows exactly its own pixels
// (24-bit ones as 5-6-5), the top rows of a picture taller than the surface
// and the left columns of a wider one. Drawing from the file and from its
// bytes in memory gives the same display memory.
#include <string.h>

#include <algorithm>
#include <vector>

#include "bmp/bmp_draw.h"
#include "bmp/bmp_image.h"
#include "sim/virtual_board.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const uint8_t kUntouched = 0x5A;

// Display memory of the virtual board, reached only inside one surface.
class SurfaceMemory : public DisplayMemory {
 public:
  explicit SurfaceMemory(const SurfaceTarget& target) : target_(target) {}
  uint32_t Read32(uint32_t offset) override {
    Check(offset);
    uint32_t value;
    memcpy(&value, VirtualBoardMemory() + offset, 4);
    return value;
  }
  void Write32(uint32_t offset, uint32_t value) override {
    Check(offset);
    memcpy(VirtualBoardMemory() + offset, &value, 4);
  }

 private:
  void Check(uint32_t offset) const {
    FUZZ_CHECK(offset % 4 == 0);
    FUZZ_CHECK(offset >= target_.offset && offset <= target_.limit - 4);
  }
  const SurfaceTarget& target_;
};

// Surfaces like the ones the program draws into: the whole main window, a
// sub-window buffer with hidden pixels at the start of each line, and a
// buffer that runs into the end of display memory.
SurfaceTarget ChooseSurface(uint64_t seed, int depth) {
  SurfaceTarget target;
  target.depth = depth;
  switch (seed % 3) {
    case 0:
      target.width = 320;
      target.height = 240;
      target.lineBytes = BmpRowLength(target.width, depth);
      target.limit = kVirtualBoardMemorySize;
      break;
    case 1:
      target.offset = 0x8000;
      target.pad = 3;
      target.width = 100;
      target.height = 60;
      target.lineBytes = BmpRowLength(target.pad + target.width, depth);
      target.limit = target.offset + target.lineBytes * target.height;
      break;
    default:
      target.offset = kVirtualBoardMemorySize - 0x800;
      target.width = 64;
      target.height = 100;
      target.lineBytes = BmpRowLength(target.width, depth);
      target.limit = kVirtualBoardMemorySize;
      break;
  }
  return target;
}

uint32_t PackedPixel(const uint8_t* row, uint32_t i, int depth) {
  uint32_t bit = i * static_cast<uint32_t>(depth);
  return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
}

void StorePackedPixel(uint8_t* memory, uint64_t bit, int depth, uint32_t value) {
  unsigned shift = static_cast<unsigned>(8 - depth - bit % 8);
  uint8_t mask = static_cast<uint8_t>(((1u << depth) - 1) << shift);
  memory[bit / 8] = static_cast<uint8_t>((memory[bit / 8] & ~mask) | (value << shift));
}

// The pixel the chip should show for column column of a stored row.
uint32_t ChipPixel(const BmpInfo& info, const uint8_t* fileRow, uint32_t column) {
  switch (info.depth) {
    case 16: {
      // Plain 16-bit pixels are 5-5-5; the chip's are 5-6-5, green rounded.
      uint32_t pixel = fileRow[2 * column] | fileRow[2 * column + 1] << 8;
      uint32_t green = ((pixel >> 5 & 0x1F) * 63 + 15) / 31;
      return (pixel >> 10 & 0x1F) << 11 | green << 5 | (pixel & 0x1F);
    }
    case 24: {
      const uint8_t* p = fileRow + 3 * column;
      return (p[0] >> 3) | ((p[1] << 3) & 0x7E0) | ((p[2] << 8) & 0xF800);
    }
    default:
      return PackedPixel(fileRow, column, info.depth);
  }
}

// Display memory as it must be after drawing: untouched outside the
// picture's rectangle; inside it, the picture's pixels for plain data, and
// whatever was drawn for run-length and bit-field data (not modelled here).
const std::vector<uint8_t>& ExpectedMemory(const uint8_t* file, const BmpInfo& info,
                                           const SurfaceTarget& target, uint32_t x, uint32_t y) {
  const uint8_t* drawn = VirtualBoardMemory();
  static std::vector<uint8_t> expected(kVirtualBoardMemorySize);
  std::fill(expected.begin(), expected.end(), kUntouched);
  if (x >= target.width || y >= target.height) return expected;
  const int depth = target.depth;
  const uint32_t columns = std::min<uint32_t>(info.width, target.width - x);
  const uint32_t rows = std::min<uint32_t>(info.height, target.height - y);
  const uint64_t limitBits = uint64_t(target.limit) * 8;
  const uint32_t rowLength = BmpRowLength(info.width, info.depth);
  const bool modelled = info.encoding == kBmpPlain;
  for (uint32_t r = 0; r < rows; ++r) {
    uint32_t stored = info.topDown ? r : info.height - 1 - r;
    const uint8_t* fileRow = file + info.pixelOffset + uint64_t(stored) * rowLength;
    for (uint32_t c = 0; c < columns; ++c) {
      uint64_t bit = uint64_t(target.offset) * 8 + uint64_t(y + r) * target.lineBytes * 8 +
                     uint64_t(target.pad + x + c) * depth;
      if (bit + depth > limitBits) break;
      if (depth >= 8) {
        size_t at = bit / 8, bytes = depth / 8;
        if (modelled) {
          uint32_t pixel = ChipPixel(info, fileRow, c);
          for (size_t b = 0; b < bytes; ++b) expected[at + b] = uint8_t(pixel >> (8 * b));
        } else {
          memcpy(&expected[at], drawn + at, bytes);
        }
      } else {
        uint32_t pixel = modelled ? ChipPixel(info, fileRow, c)
                                  : PackedPixel(drawn, static_cast<uint32_t>(bit / depth), depth);
        StorePackedPixel(expected.data(), bit, depth, pixel);
      }
    }
  }
  return expected;
}

bool SameInfo(const BmpInfo& a, const BmpInfo& b) {
  return a.width == b.width && a.height == b.height && a.topDown == b.topDown &&
         a.depth == b.depth && a.compression == b.compression && a.encoding == b.encoding &&
         a.pixelOffset == b.pixelOffset && a.pixelBytes == b.pixelBytes &&
         memcmp(a.masks, b.masks, sizeof a.masks) == 0 && a.colourCount == b.colourCount &&
         memcmp(a.colours, b.colours, sizeof a.colours) == 0;
}

void CheckAccepted(const BmpInfo& info, size_t size) {
  FUZZ_CHECK(info.width > 0 && info.height > 0);
  FUZZ_CHECK(info.depth == 1 || info.depth == 2 || info.depth == 4 || info.depth == 8 ||
             info.depth == 16 || info.depth == 24);
  FUZZ_CHECK(uint64_t(info.pixelOffset) + info.pixelBytes <= size);
  if (info.encoding == kBmpRle4 || info.encoding == kBmpRle8) {
    FUZZ_CHECK(!info.topDown && info.pixelBytes >= 2);
  } else {
    FUZZ_CHECK(info.pixelBytes == uint64_t(BmpRowLength(info.width, info.depth)) * info.height);
  }
  if (info.depth <= 8) FUZZ_CHECK(info.colourCount <= (1 << info.depth));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchPath("picture.bmp");
  static const bool boardOpen = VirtualBoardOpen(ScratchPath("board").c_str());
  FUZZ_CHECK(boardOpen);
  if (!WriteScratchFile(path, data, size)) return 0;

  BmpInfo info, parsed;
  BmpStatus status = ReadBmpInfo(path.c_str(), &info);
  FUZZ_CHECK(status == ParseBmpHeaders(data, size, size, &parsed));
  if (status != kBmpOk) {
    FUZZ_CHECK(status == kBmpNotBitmap);
    return 0;
  }
  FUZZ_CHECK(SameInfo(info, parsed));
  CheckAccepted(info, size);

  const uint64_t seed = InputHash(data, size);
  const SurfaceTarget target = ChooseSurface(seed, BmpDrawingDepth(info.depth));
  const uint32_t x = (seed >> 8) % 8, y = (seed >> 16) % 8;
  memset(VirtualBoardMemory(), kUntouched, kVirtualBoardMemorySize);
  SurfaceMemory memory(target);
  BmpStatus drawn = DrawBmpFile(path.c_str(), info, target, memory, x, y);
  // Plain rows are all in the file; run-length data may stop short.
  const bool runLength = info.encoding == kBmpRle4 || info.encoding == kBmpRle8;
  FUZZ_CHECK(drawn == kBmpOk || (runLength && drawn == kBmpNotBitmap));

  const std::vector<uint8_t>& expected = ExpectedMemory(data, info, target, x, y);
  FUZZ_CHECK(memcmp(VirtualBoardMemory(), expected.data(), expected.size()) == 0);
  // Drawing from the file's bytes in memory gives the same picture.
  static std::vector<uint8_t> fromFile(kVirtualBoardMemorySize);
  memcpy(fromFile.data(), VirtualBoardMemory(), kVirtualBoardMemorySize);
  memset(VirtualBoardMemory(), kUntouched, kVirtualBoardMemorySize);
  FUZZ_CHECK(DrawBmpBytes(data, size, info, target, memory, x, y) == drawn);
  FUZZ_CHECK(memcmp(VirtualBoardMemory(), fromFile.data(), kVirtualBoardMemorySize) == 0);
  VirtualBoardRenderPanel();
  FUZZ_CHECK(VirtualBoardRefusedAccesses() == 0);
  return 0;
}
