// make_sample_bmp OUT.bmp [WIDTH HEIGHT [DEPTH]]: writes a picture of colour
// bars over a grey ramp, 320 x 240 and 24 bits per pixel unless told
// otherwise, for trying 56420BMP on a panel. DEPTH 8 writes a colour table
// (the 320 x 240 panel of the default record has memory for 8 bits only).
#include <stdio.h>
#include <stdlib.h>

#include <vector>

namespace {

void Put16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(std::vector<unsigned char>& out, unsigned long value) {
  Put16(out, static_cast<unsigned>(value & 0xFFFF));
  Put16(out, static_cast<unsigned>(value >> 16));
}

// Red, green, blue of the eight bars: white, yellow, cyan, green, magenta,
// red, blue, black.
const unsigned char kBars[8][3] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                                   {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};

// 8-bit colour table: the bars at 0..7, then 248 grey levels.
enum { kBarCount = 8, kGreyLevels = 248 };

// The colour table index at (x, y), y counted from the top: bars in the upper
// two thirds, a grey ramp from black to white below.
unsigned SampleIndex(long x, long y, long width, long height) {
  if (y < height * 2 / 3) return static_cast<unsigned>(x * kBarCount / width);
  return kBarCount + static_cast<unsigned>(width > 1 ? x * (kGreyLevels - 1) / (width - 1) : 0);
}

void IndexColour(unsigned index, unsigned char rgb[3]) {
  if (index < kBarCount) {
    for (int i = 0; i < 3; ++i) rgb[i] = kBars[index][i];
  } else {
    unsigned level = (index - kBarCount) * 255 / (kGreyLevels - 1);
    rgb[0] = rgb[1] = rgb[2] = static_cast<unsigned char>(level);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4 && argc != 5) {
    fprintf(stderr, "usage: make_sample_bmp OUT.bmp [WIDTH HEIGHT [DEPTH]]\n");
    return 2;
  }
  long width = argc >= 4 ? atol(argv[2]) : 320;
  long height = argc >= 4 ? atol(argv[3]) : 240;
  long depth = argc == 5 ? atol(argv[4]) : 24;
  if (width < 1 || height < 1 || width > 8192 || height > 8192 || (depth != 8 && depth != 24)) {
    fprintf(stderr, "make_sample_bmp: width and height must be 1 to 8192, depth 8 or 24\n");
    return 2;
  }
  unsigned long rowLength = (static_cast<unsigned long>(width * depth) + 31) / 32 * 4;
  unsigned long pixelBytes = rowLength * static_cast<unsigned long>(height);
  unsigned long tableBytes = depth == 8 ? 256 * 4 : 0;
  unsigned long dataOffset = 14 + 40 + tableBytes;
  std::vector<unsigned char> file;
  file.push_back('B');
  file.push_back('M');
  Put32(file, dataOffset + pixelBytes);
  Put32(file, 0);
  Put32(file, dataOffset);
  Put32(file, 40);
  Put32(file, static_cast<unsigned long>(width));
  Put32(file, static_cast<unsigned long>(height));
  Put16(file, 1);
  Put16(file, static_cast<unsigned>(depth));
  Put32(file, 0);
  Put32(file, pixelBytes);
  Put32(file, 2835);  // 72 dots per inch
  Put32(file, 2835);
  Put32(file, 0);
  Put32(file, 0);
  for (unsigned i = 0; tableBytes && i < 256; ++i) {
    unsigned char rgb[3];
    IndexColour(i, rgb);
    file.push_back(rgb[2]);
    file.push_back(rgb[1]);
    file.push_back(rgb[0]);
    file.push_back(0);
  }
  for (long row = height - 1; row >= 0; --row) {  // bottom-up
    size_t rowStart = file.size();
    for (long x = 0; x < width; ++x) {
      unsigned index = SampleIndex(x, row, width, height);
      if (depth == 8) {
        file.push_back(static_cast<unsigned char>(index));
        continue;
      }
      unsigned char rgb[3];
      IndexColour(index, rgb);
      file.push_back(rgb[2]);
      file.push_back(rgb[1]);
      file.push_back(rgb[0]);
    }
    file.resize(rowStart + rowLength, 0);
  }
  FILE* out = fopen(argv[1], "wb");
  if (!out) {
    fprintf(stderr, "make_sample_bmp: cannot write %s\n", argv[1]);
    return 1;
  }
  bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
  if (fclose(out) != 0) written = false;
  if (!written) {
    fprintf(stderr, "make_sample_bmp: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
