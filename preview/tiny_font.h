// A tiny font of our own for the test card: 3 x 5 pixel glyphs of the few
// characters the card writes (digits, x, b, p, T, O, P).
#ifndef QLC_PREVIEW_TINY_FONT_H
#define QLC_PREVIEW_TINY_FONT_H

#include <stdint.h>

#include <string>

enum { kGlyphWidth = 3, kGlyphHeight = 5, kGlyphAdvance = kGlyphWidth + 1 };

// Whether pixel (x, y) of text drawn at scale (each glyph pixel scale x scale,
// one blank column between glyphs) is set; false outside the text and for
// characters the font lacks.
bool TinyTextPixel(const std::string& text, int scale, int x, int y);

// Width in pixels of text at scale (no blank column after the last glyph).
int TinyTextWidth(const std::string& text, int scale);

#endif
