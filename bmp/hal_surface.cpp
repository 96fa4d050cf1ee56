#include "bmp/hal_surface.h"

#include "hal/hal_clk.h"
#include "hal/hal_lut.h"
#include "hal/hal_mem.h"
#include "hal/hal_status.h"
#include "hal/hal_virt.h"

uint32_t HalDisplayMemory::Read32(uint32_t offset) {
  return hxMemRead32(offset);
}

void HalDisplayMemory::Write32(uint32_t offset, uint32_t value) {
  hxMemWrite32(offset, value, 1);
}

MainSurfaceSetup SetUpMainSurface(unsigned depth, unsigned rotation) {
  if (hxCheckClocks(depth, hxGetRotation()) != kHalOk) return MainSurfaceSetup::kClocksTooSlow;
  if (hxSetColorDepth(depth) != kHalOk) return MainSurfaceSetup::kNoDepthMemory;
  if (hxSetRotation(rotation) != kHalOk) return MainSurfaceSetup::kRotationNotKept;
  return MainSurfaceSetup::kReady;
}

SurfaceTarget CurrentSurfaceTarget(int depth) {
  HX_SURFACE* surface = hxCurrentSurface();
  SurfaceTarget target;
  hxGetSurfaceSize(&target.width, &target.height);
  target.lineBytes = hxGetSurfaceStride();
  target.depth = depth;
  target.pad = surface->pad;
  target.offset = surface->buffer ? surface->offset : 0;
  target.limit = kDisplayMemorySize;
  if (surface->buffer && surface->offset + surface->size < target.limit)
    target.limit = surface->offset + surface->size;
  return target;
}

BmpStatus DrawOnCurrentSurface(const BmpInfo& info, const SurfaceDrawing& draw) {
  HalDisplayMemory memory;
  BmpStatus drawn = draw(CurrentSurfaceTarget(BmpDrawingDepth(info.depth)), memory);
  if (drawn == kBmpOk && info.depth <= 8) hxWriteLut(&info.colours[0][0], 1u << info.depth);
  return drawn;
}
