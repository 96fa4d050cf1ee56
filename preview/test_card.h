// The preview's built-in picture, for a display of a given size and depth:
// colour bars across the depth's palette over a ramp through it, a one-pixel
// grid every 16 pixels, a mark in the top left corner and the word TOP (so
// that rotation and mirroring can be seen), and the display's size and depth
// written small in the bottom left corner.
#ifndef QLC_PREVIEW_TEST_CARD_H
#define QLC_PREVIEW_TEST_CARD_H

#include <stdint.h>

#include <string>

#include "bmp/surface_rows.h"

class TestCard {
 public:
  TestCard(uint32_t width, uint32_t height, unsigned depth);

  // The pixel at (x, y) of the display as the chip stores it: a LUT index
  // for depths up to 8 (the default tables' colours), a 5-6-5 value for 16.
  uint32_t Pixel(uint32_t x, uint32_t y) const;

 private:
  struct Box {
    uint32_t left, top, right, bottom;  // right and bottom exclusive
    bool Holds(uint32_t x, uint32_t y) const {
      return x >= left && x < right && y >= top && y < bottom;
    }
  };
  Box TextBox(const std::string& text, int scale, uint32_t x, uint32_t y) const;
  uint32_t Bar(uint32_t x) const;
  uint32_t Ramp(uint32_t x) const;

  uint32_t width_, height_;
  unsigned depth_;
  uint32_t black_, white_, mark_;
  int titleScale_;
  std::string title_, size_;
  Box titleBox_, sizeBox_;
  uint32_t markSize_;
};

// Draws the card over the whole visible surface of target (its width and
// height are the display's) at the target's depth.
void DrawTestCard(const SurfaceTarget& target, DisplayMemory& memory);

#endif
