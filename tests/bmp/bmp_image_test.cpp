// Header reading: which files are taken, and what is read from them.
#include "bmp/bmp_image.h"

#include <gtest/gtest.h>

#include "tests/bmp/test_bitmaps.h"
#include "tests/support/temp_dir.h"

namespace {

BmpStatus Parse(const std::string& file, BmpInfo* info) {
  return ParseBmpHeaders(reinterpret_cast<const uint8_t*>(file.data()), file.size(), file.size(),
                         info);
}

void Set32(std::string& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void Set16(std::string& file, size_t at, uint32_t value) {
  file[at] = static_cast<char>(value & 0xFF);
  file[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

TEST(BmpRowLength, RowsArePaddedToWholeWords) {
  EXPECT_EQ(4u, BmpRowLength(7, 1));  // a short formula would give 0 here
  EXPECT_EQ(4u, BmpRowLength(32, 1));
  EXPECT_EQ(8u, BmpRowLength(33, 1));
  EXPECT_EQ(44u, BmpRowLength(321, 1));
  EXPECT_EQ(4u, BmpRowLength(3, 4));
  EXPECT_EQ(12u, BmpRowLength(3, 24));
  EXPECT_EQ(8u, BmpRowLength(3, 16));
}

TEST(ParseBmpHeaders, ReadsSizeDepthAndColourTableOfEachDepth) {
  for (int depth : {1, 2, 4, 8, 16, 24}) {
    TestPicture picture = MakeTestPicture(13, 5, depth, 7);
    BmpInfo info;
    ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(picture), &info)) << depth;
    EXPECT_EQ(13, info.width);
    EXPECT_EQ(5, info.height);
    EXPECT_EQ(depth, info.depth);
    EXPECT_FALSE(info.topDown);
    EXPECT_EQ(kBmpPlain, info.encoding);
    if (depth <= 8) {
      ASSERT_EQ(1 << depth, info.colourCount);
      uint32_t last = picture.palette.back();
      const uint8_t* entry = info.colours[info.colourCount - 1];
      EXPECT_EQ(last, static_cast<uint32_t>(entry[0] << 16 | entry[1] << 8 | entry[2]));
    }
  }
}

TEST(ParseBmpHeaders, LargerInformationHeadersAndGapsUseTheFileOffsets) {
  TestPicture picture = MakeTestPicture(9, 4, 8, 3);
  for (uint32_t infoSize : {108u, 124u}) {
    TestBmpLayout layout;
    layout.infoSize = infoSize;
    layout.gap = 6;
    std::string file = EncodeTestBmp(picture, layout);
    BmpInfo info;
    ASSERT_EQ(kBmpOk, Parse(file, &info));
    EXPECT_EQ(14 + infoSize + 256 * 4 + 6, info.pixelOffset);
    EXPECT_EQ(picture.palette[0],
              static_cast<uint32_t>(info.colours[0][0] << 16 | info.colours[0][1] << 8 |
                                    info.colours[0][2]));
  }
}

TEST(ParseBmpHeaders, ShortColourTablesLeaveTheOtherEntriesBlack) {
  TestPicture picture = MakeTestPicture(9, 4, 8, 3);
  TestBmpLayout layout;
  layout.colourCount = 5;
  BmpInfo info;
  ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(picture, layout), &info));
  EXPECT_EQ(5, info.colourCount);
  EXPECT_EQ(picture.palette[4],
            static_cast<uint32_t>(info.colours[4][0] << 16 | info.colours[4][1] << 8 |
                                  info.colours[4][2]));
  EXPECT_EQ(0, info.colours[5][0] | info.colours[5][1] | info.colours[5][2]);
}

TEST(ParseBmpHeaders, TopDownBitFieldAndRunLengthFilesAreRecognised) {
  BmpInfo info;
  TestBmpLayout topDown;
  topDown.topDown = true;
  ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(MakeTestPicture(5, 6, 24, 1), topDown), &info));
  EXPECT_TRUE(info.topDown);
  EXPECT_EQ(6, info.height);

  for (uint32_t infoSize : {40u, 124u}) {
    TestBmpLayout fields;
    fields.bitFields = true;
    fields.infoSize = infoSize;
    ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(MakeTestPicture(5, 6, 16, 1), fields), &info));
    EXPECT_EQ(kBmpBitFields, info.encoding);
    EXPECT_EQ(0xF800u, info.masks[0]);
    EXPECT_EQ(0x07E0u, info.masks[1]);
    EXPECT_EQ(0x001Fu, info.masks[2]);
  }

  TestBmpLayout rle;
  rle.runLength = true;
  ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(MakeTestPicture(5, 6, 8, 1), rle), &info));
  EXPECT_EQ(kBmpRle8, info.encoding);
  ASSERT_EQ(kBmpOk, Parse(EncodeTestBmp(MakeTestPicture(5, 6, 4, 1), rle), &info));
  EXPECT_EQ(kBmpRle4, info.encoding);
}

TEST(ParseBmpHeaders, RefusesFilesThatCannotBeShown) {
  const std::string good = EncodeTestBmp(MakeTestPicture(8, 4, 8, 1));
  auto refused = [](const std::string& file) {
    BmpInfo info;
    return Parse(file, &info) == kBmpNotBitmap;
  };
  std::string file = good;
  file[1] = 'N';
  EXPECT_TRUE(refused(file)) << "signature";
  file = good;
  Set32(file, 18, 0);
  EXPECT_TRUE(refused(file)) << "zero width";
  file = good;
  Set32(file, 22, 0);
  EXPECT_TRUE(refused(file)) << "zero height";
  file = good;
  Set32(file, 22, 0x80000000u);
  EXPECT_TRUE(refused(file)) << "height that cannot be negated";
  for (int depth : {0, 3, 32}) {
    file = good;
    Set16(file, 28, static_cast<uint32_t>(depth));
    EXPECT_TRUE(refused(file)) << "depth " << depth;
  }
  for (uint32_t compression : {2u, 3u, 4u, 9u}) {
    file = good;
    Set32(file, 30, compression);
    EXPECT_TRUE(refused(file)) << "compression " << compression << " on 8 bits";
  }
  file = good;
  file.resize(file.size() - 1);
  EXPECT_TRUE(refused(file)) << "pixel data cut short";
  file = good;
  Set32(file, 18, 0x10000);
  Set32(file, 22, 0x10000);
  EXPECT_TRUE(refused(file)) << "pixel data beyond 32 bits";
  file = good;
  Set32(file, 14, 12);
  EXPECT_TRUE(refused(file)) << "header too small";
  file = good;
  Set32(file, 10, 20);
  EXPECT_TRUE(refused(file)) << "pixel data inside the headers";
  EXPECT_TRUE(refused(good.substr(0, 30))) << "headers cut short";
  EXPECT_TRUE(refused("BM")) << "two bytes";

  TestBmpLayout rle;
  rle.runLength = true;
  rle.topDown = true;
  EXPECT_TRUE(refused(EncodeTestBmp(MakeTestPicture(5, 6, 8, 1), rle))) << "top-down run-length";
}

// Two bytes of run-length data reach 255 pixels further at most: a file of
// about 1 KB cannot hold a picture 2147483647 pixels wide or high.
TEST(ParseBmpHeaders, RunLengthPicturesLargerThanTheirDataCanReachAreRefused) {
  TestBmpLayout rle;
  rle.runLength = true;
  for (int depth : {4, 8}) {
    const std::string good = EncodeTestBmp(MakeTestPicture(64, 16, depth, 3), rle);
    uint32_t offset = static_cast<uint8_t>(good[10]) | static_cast<uint8_t>(good[11]) << 8;
    uint32_t reach = 255 * static_cast<uint32_t>((good.size() - offset) / 2) + 1;
    BmpInfo info;
    for (size_t field : {size_t{18}, size_t{22}}) {
      std::string file = good;
      Set32(file, field, 0x7FFFFFFF);
      EXPECT_EQ(kBmpNotBitmap, Parse(file, &info)) << depth << " bits, field " << field;
      Set32(file, field, reach + 1);
      EXPECT_EQ(kBmpNotBitmap, Parse(file, &info)) << depth << " bits, field " << field;
      Set32(file, field, reach);
      EXPECT_EQ(kBmpOk, Parse(file, &info)) << depth << " bits, field " << field;
    }
  }
}

TEST(ReadBmpInfo, TellsAMissingFileFromABadOne) {
  TempDir dir;
  BmpInfo info;
  EXPECT_EQ(kBmpCannotOpen, ReadBmpInfo(dir.File("missing.bmp").c_str(), &info));
  ASSERT_TRUE(WriteFileBytes(dir.File("text.bmp"), "hello, world\n"));
  EXPECT_EQ(kBmpNotBitmap, ReadBmpInfo(dir.File("text.bmp").c_str(), &info));
  TestBmpLayout layout;
  layout.infoSize = 124;
  ASSERT_TRUE(
      WriteFileBytes(dir.File("v5.bmp"), EncodeTestBmp(MakeTestPicture(3, 3, 8, 2), layout)));
  EXPECT_EQ(kBmpOk, ReadBmpInfo(dir.File("v5.bmp").c_str(), &info));
  EXPECT_EQ(256, info.colourCount);
}

}  // namespace
