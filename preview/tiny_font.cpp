#include "preview/tiny_font.h"

namespace {

struct Glyph {
  char character;
  uint8_t rows[kGlyphHeight];  // bit 2 is the left column
};

// clang-format off
const Glyph kGlyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}},
    {'3', {7, 1, 7, 1, 7}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}},
    {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 1, 1}}, {'8', {7, 5, 7, 5, 7}},
    {'9', {7, 5, 7, 1, 7}}, {'x', {0, 5, 2, 5, 0}}, {'b', {4, 4, 7, 5, 7}},
    {'p', {0, 7, 5, 7, 4}}, {'T', {7, 2, 2, 2, 2}}, {'O', {7, 5, 5, 5, 7}},
    {'P', {7, 5, 7, 4, 4}},
};
// clang-format on

const Glyph* FindGlyph(char c) {
  for (const Glyph& glyph : kGlyphs)
    if (glyph.character == c) return &glyph;
  return nullptr;
}

}  // namespace

bool TinyTextPixel(const std::string& text, int scale, int x, int y) {
  if (x < 0 || y < 0 || scale < 1) return false;
  int column = x / scale, row = y / scale;
  size_t index = static_cast<size_t>(column / kGlyphAdvance);
  int glyphColumn = column % kGlyphAdvance;
  if (index >= text.size() || row >= kGlyphHeight || glyphColumn >= kGlyphWidth) return false;
  const Glyph* glyph = FindGlyph(text[index]);
  return glyph && (glyph->rows[row] >> (kGlyphWidth - 1 - glyphColumn)) & 1;
}

int TinyTextWidth(const std::string& text, int scale) {
  if (text.empty()) return 0;
  return (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}
