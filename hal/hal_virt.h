// Display surfaces: the main window and the sub-window, their buffers in
// display memory, colour depth and rotation. Positions are given in the
// rotated (user-visible) orientation and translated into the chip's terms.
#ifndef QLC_HAL_HAL_VIRT_H
#define QLC_HAL_HAL_VIRT_H

#include <stdint.h>

enum { kSurfaceMain = 1, kSurfaceSub = 2 };

struct HX_SURFACE {
  uint32_t kind;    // kSurfaceMain or kSurfaceSub
  uint32_t pad;     // pixels added to whole words before each line, at 90 and 180 degrees
  uint32_t width;   // line length in pixels
  uint32_t height;  // lines
  uint8_t* buffer;  // in display memory, null when none
  uint32_t offset;  // buffer minus the display-memory base
  uint32_t size;    // bytes
};

// Both surface records, which is current, and the cached sub-window
// rectangle, to be put back later as they were.
struct HalSurfaceState {
  HX_SURFACE main;
  HX_SURFACE sub;
  bool subCurrent;
  int cachedRect[4];
};
HalSurfaceState hxSurfaceState();
void hxRestoreSurfaces(const HalSurfaceState& state);

// Both records zeroed with their kinds, the main one current, and the cached
// sub-window rectangle (0, 0, 1, 1).
void hxResetSurfaces();
HX_SURFACE* hxMainSurface();
HX_SURFACE* hxSubSurface();
HX_SURFACE* hxCurrentSurface();
void hxSelectMainSurface();
void hxSelectSubSurface();

unsigned hxGetColorDepth();
// d = 1, 2, 4, 8 or 16: 0, 1 (unsupported depth) or 11.
int hxSetColorDepth(unsigned d);
unsigned hxGetRotation();
// r = 0..3 (other values mean 0): 0 or 11.
int hxSetRotation(unsigned r);

void hxGetDisplaySize(uint32_t* width, uint32_t* height);
// Sub-window size; the width (along display-memory lines) in whole words.
void hxGetSubWindowSize(uint32_t* width, uint32_t* height);
// End exclusive; negative values become 0.
void hxSetSubWindow(int x1, int y1, int x2, int y2);
// End inclusive, from the registers.
void hxGetSubWindow(int* x1, int* y1, int* x2, int* y2);
// The rectangle last given to hxSetSubWindow or read by hxApplyConfig.
void hxGetCachedSubWindow(int* x1, int* y1, int* x2, int* y2);
void hxCacheSubWindow();

// Visible size of the current surface: 0, or 1 (0 x 0) when it is neither.
int hxGetSurfaceSize(uint32_t* width, uint32_t* height);
// Line length of the current surface in bytes.
uint32_t hxGetSurfaceStride();

// size 0 only releases; returns the buffer or null.
uint8_t* hxAllocMainBuffer(uint32_t size);
uint8_t* hxAllocSubBuffer(uint32_t size);
// mask bit 0 main, bit 1 sub-window, 0 both: 0 or 11.
int hxAllocSurfaces(unsigned mask);
int hxSetupSubSurface(uint32_t width, uint32_t height);
// The sub-window shows the main window's memory.
void hxShareMainWithSub();
// Display start address for the view at (x, y) of the surface; with wait set
// it changes at the start of a vertical non-display period.
void hxSetViewOrigin(uint32_t x, uint32_t y, int wait, HX_SURFACE* surface);
uint32_t hxAlignWidth(uint32_t width, unsigned d, HX_SURFACE* surface);

void hxBlankMain(int on);
void hxHideSub(int on);
void hxHideCurrent(int on);

#endif
