// Bitmap files made in the tests: a small writer for every depth and
// encoding the program reads, and the colours the chip shows for them.
#ifndef QLC_TESTS_BMP_TEST_BITMAPS_H
#define QLC_TESTS_BMP_TEST_BITMAPS_H

#include <stdint.h>

#include <string>
#include <vector>

struct TestPicture {
  int width = 0;
  int height = 0;
  int depth = 8;  // 1, 2, 4, 8, 16 or 24
  // Row by row from the top: colour indexes up to 8 bits, 5-6-5 values for
  // 16 bits (greens a 5-bit green gives, as plain files store 5-5-5),
  // 0xRRGGBB for 24 bits.
  std::vector<uint32_t> pixels;
  std::vector<uint32_t> palette;  // 0xRRGGBB, 2^depth entries for depths up to 8

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct TestBmpLayout {
  bool runLength = false;  // RLE8 for 8 bits, RLE4 for 4 bits
  bool topDown = false;    // negative height, rows from the top
  bool bitFields = false;  // 16 bits with 5-6-5 masks (compression 3)
  uint32_t infoSize = 40;  // 40, 108 or 124
  int colourCount = 0;     // entries written (0: all); the rest are unused
  uint32_t gap = 0;        // bytes between the colour table and the pixel data
};

// A picture with a pattern that differs in every row and column, its
// colours drawn from a fixed seed.
TestPicture MakeTestPicture(int width, int height, int depth, uint32_t seed);

std::string EncodeTestBmp(const TestPicture& picture, const TestBmpLayout& layout = {});

// 0xRRGGBB the chip shows for a pixel value of the picture.
uint32_t ShownColour(const TestPicture& picture, uint32_t value);
// A 5-6-5 value widened to 0xRRGGBB the way the panel shows it.
uint32_t Expand565(uint32_t value);

#endif
