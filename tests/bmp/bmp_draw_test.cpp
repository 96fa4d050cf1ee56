// Drawing files held in memory and on disk into the virtual board's display
// memory through a plain pointer, so that any write outside it shows as a
// refused access.
#include "bmp/bmp_draw.h"

#include <gtest/gtest.h>
#include <string.h>

#include "bmp/bmp_pixels.h"
#include "sim/virtual_board.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/support/temp_dir.h"

namespace {

struct Kind {
  const char* name;
  int depth;
  bool runLength;
};

const Kind kKinds[] = {
    {"1-bit", 1, false},    {"4-bit", 4, false},   {"4-bit RLE", 4, true}, {"8-bit", 8, false},
    {"8-bit RLE", 8, true}, {"16-bit", 16, false}, {"24-bit", 24, false},
};

std::string Encode(const TestPicture& picture, const Kind& kind) {
  TestBmpLayout layout;
  layout.runLength = kind.runLength;
  return EncodeTestBmp(picture, layout);
}

// The value the chip's memory holds for a picture pixel.
uint32_t StoredValue(const TestPicture& picture, uint32_t value) {
  if (picture.depth != 24) return value;
  return Rgb565(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                static_cast<uint8_t>(value));
}

class DrawOnBoard : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(VirtualBoardOpen(dir.Path().c_str()));
    memset(VirtualBoardMemory(), 0, kVirtualBoardMemorySize);
  }
  void TearDown() override { VirtualBoardClose(); }

  // A width x height surface at the very end of display memory.
  static SurfaceTarget SurfaceAtTheEnd(uint32_t width, uint32_t height, int depth) {
    SurfaceTarget target;
    target.depth = depth;
    target.width = width;
    target.height = height;
    target.lineBytes = BmpRowLength(width, depth);
    target.limit = kVirtualBoardMemorySize;
    target.offset = kVirtualBoardMemorySize - target.lineBytes * height;
    return target;
  }

  static uint32_t Shown(const SurfaceTarget& target, uint32_t x, uint32_t y) {
    const uint8_t* line = VirtualBoardMemory() + target.offset + y * target.lineBytes;
    if (target.depth == 16) return line[2 * x] | line[2 * x + 1] << 8;
    return GetPackedPixel(line, x, target.depth);
  }

  // Every pixel of the surface: the picture placed at (left, top), 0 elsewhere.
  static int WrongPixels(const SurfaceTarget& target, const TestPicture& picture, uint32_t left,
                         uint32_t top) {
    int wrong = 0;
    for (uint32_t y = 0; y < target.height; ++y)
      for (uint32_t x = 0; x < target.width; ++x) {
        bool inside = x >= left && y >= top && x - left < static_cast<uint32_t>(picture.width) &&
                      y - top < static_cast<uint32_t>(picture.height);
        uint32_t expected = inside ? StoredValue(picture, picture.At(x - left, y - top)) : 0;
        if (Shown(target, x, y) != expected) ++wrong;
      }
    return wrong;
  }

  TempDir dir;
};

// A picture far wider and taller than the surface, drawn from memory near
// its right and bottom edges, shows its top left corner and nothing is
// written past the end of display memory.
TEST_F(DrawOnBoard, PicturesLargerThanTheSurfaceFromMemory) {
  for (const Kind& kind : kKinds) {
    TestPicture picture = MakeTestPicture(3000, 7, kind.depth, 31);
    std::string file = Encode(picture, kind);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file.data());
    BmpInfo info;
    ASSERT_EQ(kBmpOk, ParseBmpHeaders(bytes, file.size(), file.size(), &info)) << kind.name;
    SurfaceTarget target = SurfaceAtTheEnd(64, 5, BmpDrawingDepth(kind.depth));
    memset(VirtualBoardMemory(), 0, kVirtualBoardMemorySize);
    PointerDisplayMemory memory(VirtualBoardMemory());
    ASSERT_EQ(kBmpOk, DrawBmpBytes(bytes, file.size(), info, target, memory, 7, 1)) << kind.name;
    EXPECT_EQ(0, WrongPixels(target, picture, 7, 1)) << kind.name;
    EXPECT_EQ(0ul, VirtualBoardRefusedAccesses()) << kind.name;
  }
}

// The file on disk draws exactly what the same bytes in memory draw; bytes
// cut short are reported, not drawn past.
TEST_F(DrawOnBoard, FileAndMemoryDrawTheSame) {
  for (const Kind& kind : kKinds) {
    TestPicture picture = MakeTestPicture(50, 9, kind.depth, 32);
    std::string file = Encode(picture, kind);
    std::string path = dir.File("picture.bmp");
    ASSERT_TRUE(WriteFileBytes(path, file));
    BmpInfo info;
    ASSERT_EQ(kBmpOk, ReadBmpInfo(path.c_str(), &info)) << kind.name;
    SurfaceTarget target = SurfaceAtTheEnd(64, 12, BmpDrawingDepth(kind.depth));
    PointerDisplayMemory memory(VirtualBoardMemory());
    memset(VirtualBoardMemory(), 0, kVirtualBoardMemorySize);
    ASSERT_EQ(kBmpOk, DrawBmpFile(path.c_str(), info, target, memory, 3, 2)) << kind.name;
    EXPECT_EQ(0, WrongPixels(target, picture, 3, 2)) << kind.name;

    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(file.data());
    memset(VirtualBoardMemory(), 0, kVirtualBoardMemorySize);
    ASSERT_EQ(kBmpOk, DrawBmpBytes(bytes, file.size(), info, target, memory, 3, 2)) << kind.name;
    EXPECT_EQ(0, WrongPixels(target, picture, 3, 2)) << kind.name;
    EXPECT_EQ(kBmpNotBitmap, DrawBmpBytes(bytes, file.size() - 3, info, target, memory, 3, 2))
        << kind.name;
    EXPECT_EQ(0ul, VirtualBoardRefusedAccesses()) << kind.name;
  }
}

}  // namespace
