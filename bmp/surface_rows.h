// Writing rows of pixels into a surface in display memory, clipped to the
// surface's visible size and to the memory that belongs to it.
#ifndef QLC_BMP_SURFACE_ROWS_H
#define QLC_BMP_SURFACE_ROWS_H

#include <stdint.h>

// Word access to display memory; offsets are bytes from its start, multiples of 4.
class DisplayMemory {
 public:
  virtual ~DisplayMemory() = default;
  virtual uint32_t Read32(uint32_t offset) = 0;
  virtual void Write32(uint32_t offset, uint32_t value) = 0;
};

// Display memory reached through a plain host pointer to its byte 0 (a
// mapped board, or the virtual board's memory); nothing is checked here.
class PointerDisplayMemory : public DisplayMemory {
 public:
  explicit PointerDisplayMemory(uint8_t* base) : base_(base) {}
  uint32_t Read32(uint32_t offset) override;
  void Write32(uint32_t offset, uint32_t value) override;

 private:
  uint8_t* base_;
};

// Where the current surface lies and how much of it shows.
struct SurfaceTarget {
  uint32_t offset = 0;     // first byte of the surface's buffer
  uint32_t lineBytes = 0;  // line length in display memory
  uint32_t pad = 0;        // hidden pixels at the start of each line
  uint32_t width = 0;      // visible pixels per line, after the pad
  uint32_t height = 0;     // visible lines
  uint32_t limit = 0;      // first byte past what may be written
  int depth = 8;           // 1, 2, 4, 8 or 16 bits per pixel
};

// Writes count pixels, packed at the surface's depth as the file stores them
// (16-bit pixels as little-endian words), to line row starting at visible
// pixel x (memory column pad + x).
// Pixels right of the visible width and bytes at or past the limit are
// dropped; rows below the visible height are not written.
void WriteSurfaceRow(const SurfaceTarget& target, DisplayMemory& memory, uint32_t x, uint32_t row,
                     const uint8_t* pixels, uint32_t count);

#endif
