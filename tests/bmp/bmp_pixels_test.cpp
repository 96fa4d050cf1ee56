// Row conversion, run-length decoding and writing rows into display memory.
#include "bmp/bmp_pixels.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "bmp/surface_rows.h"

namespace {

struct Segment {
  uint32_t line, x;
  std::vector<uint32_t> pixels;
};

std::vector<Segment> Decode(const std::vector<uint8_t>& data, int depth, uint32_t width,
                            uint32_t height, bool* complete = nullptr, uint32_t kept = UINT32_MAX) {
  std::vector<Segment> segments;
  bool ok = DecodeBmpRle(data.data(), data.size(), depth, width, height, kept,
                         [&](uint32_t line, uint32_t x, const uint8_t* pixels, uint32_t count) {
                           Segment s{line, x, {}};
                           for (uint32_t i = 0; i < count; ++i)
                             s.pixels.push_back(GetPackedPixel(pixels, i, depth));
                           segments.push_back(s);
                         });
  if (complete) *complete = ok;
  return segments;
}

TEST(ConvertBmpRow, TwentyFourBitsBecomeFiveSixFive) {
  BmpInfo info;
  info.width = 2;
  info.depth = 24;
  const uint8_t row[] = {0xFF, 0x00, 0x00, 0x08, 0x84, 0xF8};  // blue; then b=8 g=132 r=248
  uint8_t out[4];
  ConvertBmpRow(info, row, out, 2);
  EXPECT_EQ(0x001F, out[0] | out[1] << 8);
  EXPECT_EQ((248 >> 3) << 11 | (132 >> 2) << 5 | (8 >> 3), out[2] | out[3] << 8);
}

TEST(ConvertBmpRow, BitFieldsAreScaledToFiveSixFive) {
  BmpInfo info;
  info.width = 2;
  info.depth = 16;
  info.encoding = kBmpBitFields;
  info.masks[0] = 0x7C00;  // 5-5-5
  info.masks[1] = 0x03E0;
  info.masks[2] = 0x001F;
  const uint8_t row[] = {0xE0, 0x03, 0x00, 0x7C};  // full green, full red
  uint8_t out[4];
  ConvertBmpRow(info, row, out, 2);
  EXPECT_EQ(0x07E0, out[0] | out[1] << 8);
  EXPECT_EQ(0xF800, out[2] | out[3] << 8);
}

// A plain 16-bit row holds 5-5-5 pixels: red, white and green stay what they
// are on the chip's 5-6-5, and a middle green lands on the middle of 6 bits.
TEST(ConvertBmpRow, PlainSixteenBitsAreFiveFiveFive) {
  BmpInfo info;
  info.width = 5;
  info.depth = 16;
  const uint8_t row[] = {0x00, 0x7C, 0xFF, 0x7F, 0xE0, 0x03, 0x00, 0x02, 0x1F, 0x00};
  uint8_t out[12] = {};
  ConvertBmpRow(info, row, out, 5);
  EXPECT_EQ(0xF800, out[0] | out[1] << 8);
  EXPECT_EQ(0xFFFF, out[2] | out[3] << 8);
  EXPECT_EQ(0x07E0, out[4] | out[5] << 8);
  EXPECT_EQ(33 << 5, out[6] | out[7] << 8);  // 16 of 31 -> 33 of 63
  EXPECT_EQ(0x001F, out[8] | out[9] << 8);
  EXPECT_EQ(0, out[10] | out[11]) << "only the pixels asked for";
}

TEST(DecodeBmpRle, FourBitRunsDrawExactlyTheirLength) {
  // 3 pixels of 1,2,1 then 2 of 3,3: odd runs do not push the rest right.
  auto segments = Decode({3, 0x12, 2, 0x33, 0, 3, 0x45, 0x60, 0, 0, 0, 1}, 4, 16, 1);
  ASSERT_EQ(1u, segments.size());
  EXPECT_EQ((std::vector<uint32_t>{1, 2, 1, 3, 3, 4, 5, 6}), segments[0].pixels);
}

TEST(DecodeBmpRle, EightBitRunsAbsoluteRunsAndLines) {
  auto segments = Decode({2, 7, 0, 3, 1, 2, 3, 0, 0, 0, 1, 9, 0, 1}, 8, 8, 2);
  ASSERT_EQ(2u, segments.size());
  EXPECT_EQ(0u, segments[0].line);
  EXPECT_EQ((std::vector<uint32_t>{7, 7, 1, 2, 3}), segments[0].pixels);
  EXPECT_EQ(1u, segments[1].line);
  EXPECT_EQ((std::vector<uint32_t>{9}), segments[1].pixels);
}

TEST(DecodeBmpRle, DeltasMoveRightAndUp) {
  auto segments = Decode({2, 5, 0, 2, 3, 1, 1, 6, 0, 1}, 8, 10, 3);
  ASSERT_EQ(2u, segments.size());
  EXPECT_EQ(0u, segments[0].line);
  EXPECT_EQ(0u, segments[0].x);
  EXPECT_EQ(1u, segments[1].line);
  EXPECT_EQ(5u, segments[1].x);  // 2 drawn + 3 skipped
}

TEST(DecodeBmpRle, RunsDeltasAndLinesOutsideThePictureAreClipped) {
  // A run of 255 on a 4-pixel row, a delta far to the right, lines past the top.
  auto segments = Decode({255, 1, 0, 0, 0, 2, 200, 0, 5, 2, 0, 0, 0, 2, 0, 9, 3, 3, 0, 1}, 8, 4, 3);
  ASSERT_EQ(1u, segments.size());
  EXPECT_EQ(4u, segments[0].pixels.size());
}

// Only the columns left of kept reach the sink, however wide the picture
// says it is; kept 0 only checks the data.
TEST(DecodeBmpRle, KeepsOnlyTheColumnsAskedFor) {
  std::vector<uint8_t> data = {255, 1, 255, 2, 0, 4, 5, 6, 7, 8, 0, 0, 0, 2, 3, 0, 4, 9, 0, 1};
  auto segments = Decode(data, 8, 0x7FFFFFFF, 2, nullptr, 300);
  ASSERT_EQ(2u, segments.size());
  EXPECT_EQ(300u, segments[0].pixels.size());
  EXPECT_EQ(1u, segments[0].pixels[254]);
  EXPECT_EQ(2u, segments[0].pixels[255]);
  EXPECT_EQ(3u, segments[1].x);  // after a delta of 3 on line 1
  EXPECT_EQ((std::vector<uint32_t>{9, 9, 9, 9}), segments[1].pixels);
  segments = Decode(data, 8, 0x7FFFFFFF, 2, nullptr, 2);
  ASSERT_EQ(1u, segments.size());  // line 1 starts right of column 2
  EXPECT_EQ((std::vector<uint32_t>{1, 1}), segments[0].pixels);
  bool complete = false;
  EXPECT_TRUE(Decode(data, 8, 0x7FFFFFFF, 2, &complete, 0).empty());
  EXPECT_TRUE(complete);
}

TEST(DecodeBmpRle, TruncatedDataIsReported) {
  bool complete = true;
  Decode({0, 5, 1, 2}, 8, 8, 1, &complete);  // absolute run of 5, 2 bytes there
  EXPECT_FALSE(complete);
  Decode({2, 1, 0, 2, 1}, 8, 8, 1, &complete);  // delta without its offsets
  EXPECT_FALSE(complete);
  Decode({2, 1, 0}, 8, 8, 1, &complete);  // half a record
  EXPECT_FALSE(complete);
  auto segments = Decode({2, 1, 0, 0}, 8, 8, 1, &complete);  // no end mark: taken as ended
  EXPECT_TRUE(complete);
  EXPECT_EQ(1u, segments.size());
}

class VectorMemory : public DisplayMemory {
 public:
  explicit VectorMemory(uint32_t size, uint8_t fill = 0) : bytes(size, fill) {}
  uint32_t Read32(uint32_t offset) override {
    EXPECT_EQ(0u, offset % 4);
    EXPECT_LE(offset + 4, bytes.size());
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
  }
  void Write32(uint32_t offset, uint32_t value) override {
    ASSERT_EQ(0u, offset % 4);
    ASSERT_LE(offset + 4, bytes.size());
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  std::vector<uint8_t> bytes;
};

TEST(WriteSurfaceRow, SubBytePixelsKeepTheirNeighbours) {
  VectorMemory memory(16, 0xFF);
  SurfaceTarget target;
  target.lineBytes = 8;
  target.width = 64;
  target.height = 2;
  target.limit = 16;
  target.depth = 1;
  const uint8_t pixels[] = {0x00, 0x00};
  WriteSurfaceRow(target, memory, 3, 1, pixels, 10);  // pixels 3..12 of line 1 cleared
  EXPECT_EQ((std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE0, 0x07, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
            memory.bytes);
}

TEST(WriteSurfaceRow, ClipsAtTheVisibleWidthAndHeight) {
  VectorMemory memory(32);
  SurfaceTarget target;
  target.lineBytes = 8;
  target.width = 6;
  target.height = 2;
  target.limit = 32;
  target.depth = 8;
  const uint8_t pixels[] = {1, 2, 3, 4, 5, 6, 7, 8};
  WriteSurfaceRow(target, memory, 2, 0, pixels, 8);
  WriteSurfaceRow(target, memory, 6, 1, pixels, 8);  // starts right of the surface
  WriteSurfaceRow(target, memory, 0, 2, pixels, 8);  // below it
  EXPECT_EQ((std::vector<uint8_t>{0, 0, 1, 2, 3, 4, 0, 0}),
            std::vector<uint8_t>(memory.bytes.begin(), memory.bytes.begin() + 8));
  EXPECT_EQ(std::vector<uint8_t>(24, 0),
            std::vector<uint8_t>(memory.bytes.begin() + 8, memory.bytes.end()));
}

TEST(WriteSurfaceRow, NeverWritesPastTheLimit) {
  VectorMemory memory(0x14000);
  SurfaceTarget target;
  target.offset = 0x13FF8;
  target.lineBytes = 640;
  target.width = 320;
  target.height = 240;
  target.limit = 0x14000;
  target.depth = 16;
  std::vector<uint8_t> pixels(640, 0xAB);
  WriteSurfaceRow(target, memory, 0, 0, pixels.data(), 320);  // VectorMemory asserts the range
  WriteSurfaceRow(target, memory, 0, 5, pixels.data(), 320);
  EXPECT_EQ(0xAB, memory.bytes[0x13FFF]);
  EXPECT_EQ(0, memory.bytes[0x13FF7]);
}

TEST(WriteSurfaceRow, ThePadShiftsTheRowIntoTheVisiblePart) {
  VectorMemory memory(64);
  SurfaceTarget target;
  target.lineBytes = 44;  // 352 one-bit pixels: 321 shown after a pad of 31
  target.pad = 31;
  target.width = 321;
  target.height = 1;
  target.limit = 64;
  target.depth = 1;
  std::vector<uint8_t> pixels(44, 0xFF);
  WriteSurfaceRow(target, memory, 0, 0, pixels.data(), 321);
  EXPECT_EQ(0x01, memory.bytes[3]);  // pixel 31 is the low bit of byte 3
  EXPECT_EQ(0, memory.bytes[0] | memory.bytes[1] | memory.bytes[2]);
  EXPECT_EQ(0xFF, memory.bytes[43]);
  EXPECT_EQ(0, memory.bytes[44]);
}

}  // namespace
