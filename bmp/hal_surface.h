// The steps 56420BMP takes on the HAL to show a picture: setting the main
// surface up for the picture's depth and drawing into the current surface.
// The panel preview takes the same steps, so both show the same pixels.
#ifndef QLC_BMP_HAL_SURFACE_H
#define QLC_BMP_HAL_SURFACE_H

#include <stdint.h>

#include <functional>

#include "bmp/bmp_image.h"
#include "bmp/surface_rows.h"

// Display memory through the HAL's word access, bounded to the chip's memory.
class HalDisplayMemory : public DisplayMemory {
 public:
  uint32_t Read32(uint32_t offset) override;
  void Write32(uint32_t offset, uint32_t value) override;
};

enum class MainSurfaceSetup {
  kReady,
  kClocksTooSlow,    // the clocks cannot feed the depth in the chip's rotation
  kNoDepthMemory,    // the depth could not be set: not enough display memory
  kRotationNotKept,  // depth set, but the rotation could not be set again
};

// Checks the clocks for depth in the chip's current rotation, sets the
// colour depth and then the rotation (which leaves the main surface current,
// the sub-window off).
MainSurfaceSetup SetUpMainSurface(unsigned depth, unsigned rotation);

// Where the current surface lies in display memory and how much of it shows,
// for drawing at depth.
SurfaceTarget CurrentSurfaceTarget(int depth);

// Draws a picture whose headers info describes into the current surface at
// (0, 0) through draw, then loads its colour table into the LUT (depths up
// to 8). Returns what draw returned; nothing is loaded when it failed.
typedef std::function<BmpStatus(const SurfaceTarget& target, DisplayMemory& memory)> SurfaceDrawing;
BmpStatus DrawOnCurrentSurface(const BmpInfo& info, const SurfaceDrawing& draw);

#endif
