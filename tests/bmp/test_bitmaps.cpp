#include "tests/bmp/test_bitmaps.h"

namespace {

void Put16(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

uint32_t NextSeed(uint32_t* state) {
  *state = *state * 1103515245u + 12345u;
  return *state >> 8;
}

uint32_t RowLength(int width, int depth) {
  return (static_cast<uint32_t>(width) * depth + 31) / 32 * 4;
}

// A 5-6-5 value as a plain 16-bit file stores it: 5-5-5.
uint32_t To555(uint32_t value) {
  return (value >> 1 & 0x7FE0) | (value & 0x1F);
}

std::string PlainRow(const TestPicture& picture, int y, bool bitFields) {
  std::string row(RowLength(picture.width, picture.depth), '\0');
  for (int x = 0; x < picture.width; ++x) {
    uint32_t v = picture.At(x, y);
    if (picture.depth == 24) {
      row[3 * x] = static_cast<char>(v & 0xFF);
      row[3 * x + 1] = static_cast<char>((v >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<char>((v >> 16) & 0xFF);
    } else if (picture.depth == 16) {
      if (!bitFields) v = To555(v);
      row[2 * x] = static_cast<char>(v & 0xFF);
      row[2 * x + 1] = static_cast<char>(v >> 8);
    } else {
      int bit = x * picture.depth;
      int shift = 8 - picture.depth - bit % 8;
      row[bit / 8] = static_cast<char>(row[bit / 8] | (v << shift));
    }
  }
  return row;
}

// Runs of one value become encoded runs; stretches of differing pixels of
// three or more become absolute runs. Lines end with (0, 0), the picture
// with (0, 1).
std::string RunLengthData(const TestPicture& picture) {
  std::string out;
  bool four = picture.depth == 4;
  for (int y = picture.height - 1; y >= 0; --y) {
    int x = 0;
    while (x < picture.width) {
      int run = 1;
      while (x + run < picture.width && run < 255 && picture.At(x + run, y) == picture.At(x, y))
        ++run;
      if (run >= 2) {
        uint32_t v = picture.At(x, y);
        out.push_back(static_cast<char>(run));
        out.push_back(static_cast<char>(four ? (v << 4 | v) : v));
        x += run;
        continue;
      }
      int single = 1;  // pixels up to the next run of two
      while (x + single < picture.width && single < 255 &&
             (x + single + 1 >= picture.width ||
              picture.At(x + single, y) != picture.At(x + single + 1, y)))
        ++single;
      if (single < 3) {
        out.push_back(1);
        out.push_back(static_cast<char>(four ? (picture.At(x, y) << 4 | picture.At(x, y))
                                             : picture.At(x, y)));
        x += 1;
        continue;
      }
      out.push_back(0);
      out.push_back(static_cast<char>(single));
      std::string bytes;
      for (int i = 0; i < single; ++i) {
        uint32_t v = picture.At(x + i, y);
        if (!four)
          bytes.push_back(static_cast<char>(v));
        else if (i % 2 == 0)
          bytes.push_back(static_cast<char>(v << 4));
        else
          bytes.back() = static_cast<char>(bytes.back() | v);
      }
      if (bytes.size() % 2) bytes.push_back(0);
      out += bytes;
      x += single;
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  return out;
}

// A 5-6-5 value whose green a 5-bit green scales to, so that the same
// colour can be stored 5-5-5 (plain files) and 5-6-5 (bit fields).
uint32_t FiveBitGreen(uint32_t value) {
  uint32_t green = (value >> 6) & 0x1F;
  return (value & ~0x7E0u) | ((green * 63 + 15) / 31) << 5;
}

}  // namespace

TestPicture MakeTestPicture(int width, int height, int depth, uint32_t seed) {
  TestPicture picture;
  picture.width = width;
  picture.height = height;
  picture.depth = depth;
  uint32_t state = seed;
  if (depth <= 8) {
    for (int i = 0; i < (1 << depth); ++i) picture.palette.push_back(NextSeed(&state) & 0xFFFFFF);
  }
  uint32_t levels = depth <= 8 ? (1u << depth) : 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Bands of a few pixels with a step in every row, so runs of several
      // lengths (odd ones too) and isolated pixels both occur.
      uint32_t base = static_cast<uint32_t>(x / (1 + (y % 5)) + 3 * y);
      uint32_t v;
      if (depth <= 8)
        v = (x % 7 == 3) ? NextSeed(&state) % levels : base % levels;
      else if (depth == 16)
        v = FiveBitGreen((base * 2654435761u + static_cast<uint32_t>(x)) & 0xFFFF);
      else
        v = (base * 2654435761u + static_cast<uint32_t>(x) * 40503u) & 0xFFFFFF;
      picture.pixels.push_back(v);
    }
  }
  return picture;
}

std::string EncodeTestBmp(const TestPicture& picture, const TestBmpLayout& layout) {
  std::string table;
  int colours = 0;
  if (picture.depth <= 8) {
    colours = layout.colourCount ? layout.colourCount : (1 << picture.depth);
    for (int i = 0; i < colours; ++i) {
      uint32_t c = picture.palette[i];
      table.push_back(static_cast<char>(c & 0xFF));
      table.push_back(static_cast<char>((c >> 8) & 0xFF));
      table.push_back(static_cast<char>((c >> 16) & 0xFF));
      table.push_back(0);
    }
  }
  std::string masks;
  if (layout.bitFields && layout.infoSize == 40) {
    Put32(masks, 0xF800);
    Put32(masks, 0x07E0);
    Put32(masks, 0x001F);
  }
  std::string data;
  if (layout.runLength) {
    data = RunLengthData(picture);
  } else {
    for (int i = 0; i < picture.height; ++i)
      data += PlainRow(picture, layout.topDown ? i : picture.height - 1 - i, layout.bitFields);
  }
  uint32_t compression = 0;
  if (layout.runLength) compression = picture.depth == 8 ? 1 : 2;
  if (layout.bitFields) compression = 3;

  std::string info;
  Put32(info, layout.infoSize);
  Put32(info, static_cast<uint32_t>(picture.width));
  Put32(info, static_cast<uint32_t>(layout.topDown ? -picture.height : picture.height));
  Put16(info, 1);
  Put16(info, static_cast<uint32_t>(picture.depth));
  Put32(info, compression);
  Put32(info, static_cast<uint32_t>(data.size()));
  Put32(info, 2835);
  Put32(info, 2835);
  Put32(info, layout.colourCount ? static_cast<uint32_t>(layout.colourCount) : 0);
  Put32(info, 0);
  if (layout.infoSize > 40) {
    Put32(info, layout.bitFields ? 0xF800 : 0);
    Put32(info, layout.bitFields ? 0x07E0 : 0);
    Put32(info, layout.bitFields ? 0x001F : 0);
    Put32(info, 0);           // alpha mask
    Put32(info, 0x73524742);  // colour space "sRGB"
    info.resize(layout.infoSize, '\0');
  }
  uint32_t offset =
      static_cast<uint32_t>(14 + info.size() + masks.size() + table.size() + layout.gap);
  std::string file = "BM";
  Put32(file, offset + static_cast<uint32_t>(data.size()));
  Put32(file, 0);
  Put32(file, offset);
  file += info + masks + table + std::string(layout.gap, '\x5A') + data;
  return file;
}

uint32_t Expand565(uint32_t value) {
  uint32_t red = (value >> 11) & 0x1F, green = (value >> 5) & 0x3F, blue = value & 0x1F;
  return ((red << 3 | red >> 2) << 16) | ((green << 2 | green >> 4) << 8) | (blue << 3 | blue >> 2);
}

uint32_t ShownColour(const TestPicture& picture, uint32_t value) {
  if (picture.depth <= 8) return picture.palette[value];
  if (picture.depth == 16) return Expand565(value);
  uint32_t red = (value >> 16) & 0xFF, green = (value >> 8) & 0xFF, blue = value & 0xFF;
  return Expand565((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
}
