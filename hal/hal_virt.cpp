// Display surfaces, sub-window placement, colour depth and rotation.
#include "hal/hal_virt.h"

#include "hal/hal_lut.h"
#include "hal/hal_mem.h"
#include "hal/hal_misc.h"
#include "hal/hal_regs.h"
#include "hal/hal_status.h"

namespace {

HX_SURFACE gMain;
HX_SURFACE gSub;
HX_SURFACE* gCurrent = &gMain;
int gCachedRect[4] = {0, 0, 1, 1};

enum : uint8_t { kDisplayBlank = 0x80, kSubWindowEnable = 0x10 };

// Pixels in one 32-bit word at depth d.
uint32_t PixelsPerWord(unsigned d) {
  return 32 / d;
}

uint32_t PanelWidth() {
  return hxRegRead8(REG_HDP) * 8u + 8u;
}
uint32_t PanelHeight() {
  return hxRegRead16(REG_VDP0) + 1u;
}

void SetRegisterBits(uint32_t index, uint8_t mask, uint8_t bits) {
  hxRegWrite8(index, static_cast<uint8_t>((hxRegRead8(index) & ~mask) | (bits & mask)));
}

void ResetRecord(HX_SURFACE* surface, uint32_t kind) {
  *surface = HX_SURFACE{};
  surface->kind = kind;
}

// Gives the block back and forgets it; the other fields stay.
void ReleaseBuffer(HX_SURFACE* surface) {
  if (surface->buffer) hxVmemFree(surface->buffer);
  surface->buffer = nullptr;
  surface->offset = 0;
  surface->size = 0;
}

bool TakeBuffer(HX_SURFACE* surface, uint32_t size) {
  uint8_t* buffer = hxVmemAlloc(size);
  if (!buffer) return false;
  surface->buffer = buffer;
  surface->offset = static_cast<uint32_t>(buffer - hxMemBase());
  surface->size = size;
  return true;
}

uint8_t* AllocBuffer(HX_SURFACE* surface, uint32_t kind, uint32_t size) {
  ReleaseBuffer(surface);
  ResetRecord(surface, kind);
  if (size == 0) return nullptr;
  return TakeBuffer(surface, size) ? surface->buffer : nullptr;
}

// Bytes for a full-display main buffer of width x height at depth d.
uint32_t MainBufferBytes(uint32_t width, uint32_t height, unsigned d) {
  return width * height / (16 / d) * 2;
}

}  // namespace

void hxResetSurfaces() {
  ResetRecord(&gMain, kSurfaceMain);
  ResetRecord(&gSub, kSurfaceSub);
  gCurrent = &gMain;
  gCachedRect[0] = 0;
  gCachedRect[1] = 0;
  gCachedRect[2] = 1;
  gCachedRect[3] = 1;
}

HalSurfaceState hxSurfaceState() {
  HalSurfaceState state;
  state.main = gMain;
  state.sub = gSub;
  state.subCurrent = gCurrent == &gSub;
  for (int i = 0; i < 4; ++i) state.cachedRect[i] = gCachedRect[i];
  return state;
}

void hxRestoreSurfaces(const HalSurfaceState& state) {
  gMain = state.main;
  gSub = state.sub;
  gCurrent = state.subCurrent ? &gSub : &gMain;
  for (int i = 0; i < 4; ++i) gCachedRect[i] = state.cachedRect[i];
}

HX_SURFACE* hxMainSurface() {
  return &gMain;
}
HX_SURFACE* hxSubSurface() {
  return &gSub;
}
HX_SURFACE* hxCurrentSurface() {
  return gCurrent;
}
void hxSelectMainSurface() {
  gCurrent = &gMain;
}
void hxSelectSubSurface() {
  gCurrent = &gSub;
}

unsigned hxGetColorDepth() {
  static const unsigned kDepthOfCode[8] = {1, 2, 4, 8, 16, 8, 8, 8};
  return kDepthOfCode[hxRegRead8(REG_DISPLAY_MODE) & 7];
}

unsigned hxGetRotation() {
  return hxRegRead8(REG_SPECIAL_EFFECTS) & 3;
}

void hxGetDisplaySize(uint32_t* width, uint32_t* height) {
  uint32_t w = PanelWidth(), h = PanelHeight();
  if (hxRegRead8(REG_SPECIAL_EFFECTS) & 1) {
    uint32_t t = w;
    w = h;
    h = t;
  }
  *width = w;
  *height = h;
}

uint32_t hxAlignWidth(uint32_t width, unsigned d, HX_SURFACE* surface) {
  uint32_t perWord = PixelsPerWord(d);
  surface->pad = 0;
  if (width % perWord == 0) return width;
  uint32_t aligned = (width / perWord + 1) * perWord;
  // At 90 and 180 degrees the scan runs backwards from the last pixel of a
  // word, so the added pixels go before the line's first pixel, where the
  // scan never reaches.
  unsigned rotation = hxGetRotation();
  if (rotation == 1 || rotation == 2) surface->pad = aligned - width;
  return aligned;
}

void hxSetSubWindow(int x1, int y1, int x2, int y2) {
  if (x1 < 0) x1 = 0;
  if (y1 < 0) y1 = 0;
  if (x2 < 0) x2 = 0;
  if (y2 < 0) y2 = 0;
  gCachedRect[0] = x1;
  gCachedRect[1] = y1;
  gCachedRect[2] = x2;
  gCachedRect[3] = y2;

  uint32_t ux1 = static_cast<uint32_t>(x1), uy1 = static_cast<uint32_t>(y1);
  uint32_t ux2 = static_cast<uint32_t>(x2), uy2 = static_cast<uint32_t>(y2);
  uint32_t p = PixelsPerWord(hxGetColorDepth());
  uint32_t w0 = PanelWidth(), h0 = PanelHeight();
  uint32_t xs, ys, xe, ye;
  switch (hxGetRotation()) {
    case 1:
      xs = uy1;
      ys = (h0 - ux2) / p;
      xe = uy2 - 1;
      ye = (h0 - ux1) / p - 1;
      break;
    case 2:
      xs = (w0 - ux2) / p;
      ys = h0 - uy2;
      xe = (w0 - ux1) / p - 1;
      ye = h0 - uy1 - 1;
      break;
    case 3:
      xs = w0 - uy2;
      ys = ux1 / p;
      xe = w0 - uy1 - 1;
      ye = ux2 / p - 1;
      break;
    default:
      xs = ux1 / p;
      ys = uy1;
      xe = ux2 / p - 1;
      ye = uy2 - 1;
      break;
  }
  hxRegWrite32(REG_SUB_WIN_X_START_POS0, xs);
  hxRegWrite32(REG_SUB_WIN_Y_START_POS0, ys);
  hxRegWrite32(REG_SUB_WIN_X_END_POS0, xe);
  hxRegWrite32(REG_SUB_WIN_Y_END_POS0, ye);
}

void hxGetSubWindow(int* x1, int* y1, int* x2, int* y2) {
  uint32_t xs = hxRegRead32(REG_SUB_WIN_X_START_POS0);
  uint32_t ys = hxRegRead32(REG_SUB_WIN_Y_START_POS0);
  uint32_t x = hxRegRead32(REG_SUB_WIN_X_END_POS0) + 1;
  uint32_t y = hxRegRead32(REG_SUB_WIN_Y_END_POS0) + 1;
  unsigned d = hxGetColorDepth();
  uint32_t w, h;
  hxGetDisplaySize(&w, &h);
  uint32_t r[4];
  switch (hxGetRotation()) {
    case 1:
      r[0] = w - y * 32 / d;
      r[1] = xs;
      r[2] = w - ys * 32 / d - 1;
      r[3] = x - 1;
      break;
    case 2:
      r[0] = w - x * 32 / d;
      r[1] = h - y;
      r[2] = w - xs * 32 / d - 1;
      r[3] = h - ys - 1;
      break;
    case 3:
      r[0] = ys * 32 / d;
      r[1] = h - x;
      r[2] = y * 32 / d - 1;
      r[3] = h - xs - 1;
      break;
    default:
      r[0] = xs * 32 / d;
      r[1] = ys;
      r[2] = x * 32 / d - 1;
      r[3] = y - 1;
      break;
  }
  *x1 = static_cast<int>(r[0]);
  *y1 = static_cast<int>(r[1]);
  *x2 = static_cast<int>(r[2]);
  *y2 = static_cast<int>(r[3]);
}

void hxGetCachedSubWindow(int* x1, int* y1, int* x2, int* y2) {
  *x1 = gCachedRect[0];
  *y1 = gCachedRect[1];
  *x2 = gCachedRect[2];
  *y2 = gCachedRect[3];
}

void hxCacheSubWindow() {
  hxGetSubWindow(&gCachedRect[0], &gCachedRect[1], &gCachedRect[2], &gCachedRect[3]);
}

void hxGetSubWindowSize(uint32_t* width, uint32_t* height) {
  int x1, y1, x2, y2;
  hxGetSubWindow(&x1, &y1, &x2, &y2);
  uint32_t ux1 = static_cast<uint32_t>(x1), uy1 = static_cast<uint32_t>(y1);
  uint32_t ux2 = static_cast<uint32_t>(x2), uy2 = static_cast<uint32_t>(y2);
  uint32_t w = ux1 > ux2 ? 0 : ux2 - ux1 + 1;
  uint32_t h = uy1 > uy2 ? 0 : uy2 - uy1 + 1;
  // Only the extent along display-memory lines is counted in words; turned
  // by 90 or 270 degrees that is still the width (already whole words then),
  // while the height runs along the panel's lines in single pixels.
  uint32_t p = PixelsPerWord(hxGetColorDepth());
  w = (w + p - 1) / p * p;
  *width = w;
  *height = h;
}

int hxGetSurfaceSize(uint32_t* width, uint32_t* height) {
  if (gCurrent->kind & kSurfaceMain) {
    hxGetDisplaySize(width, height);
  } else if (gCurrent->kind & kSurfaceSub) {
    hxGetSubWindowSize(width, height);
  } else {
    *width = 0;
    *height = 0;
    return 1;
  }
  return 0;
}

uint32_t hxGetSurfaceStride() {
  if (gCurrent->kind & kSurfaceMain) return hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0) * 4u;
  if (gCurrent->kind & kSurfaceSub) return hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0) * 4u;
  return 0;
}

void hxSetViewOrigin(uint32_t x, uint32_t y, int wait, HX_SURFACE* surface) {
  x += surface->pad;
  bool sub = surface->kind == kSurfaceSub;
  uint32_t w, h, stride;
  if (sub) {
    hxGetSubWindowSize(&w, &h);
    stride = hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0) * 4u;
  } else {
    hxGetDisplaySize(&w, &h);
    stride = hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0) * 4u;
  }
  unsigned d = hxGetColorDepth();
  surface->width = stride * 8 / d;
  if (surface->height == 0) surface->height = h;

  uint32_t f = surface->offset;
  uint32_t address;
  switch (hxGetRotation()) {
    case 1:
      address = (f + (w + x) * d / 8 + y * stride) / 4 - 1;
      break;
    case 2:
      address = (f + (h + y - 1) * stride + (w + x) * d / 8) / 4 - 1;
      break;
    case 3:
      address = (f + (h + y - 1) * stride + x * d / 8) / 4;
      break;
    default:
      address = (f + y * stride + x * d / 8) / 4;
      break;
  }

  if (wait) hxWaitVerticalNonDisplay();
  hxRegWrite32(sub ? REG_SUB_WIN_DISP_START_ADDR0 : REG_MAIN_WIN_DISP_START_ADDR0, address);
}

namespace {

// Selects the main surface and gives it a new buffer for the whole display
// at depth d, lines widened to whole words (*width: the widened line). The
// sub-window loses its buffer and is switched off.
bool RenewMainBuffer(unsigned d, uint32_t* width) {
  hxSelectMainSurface();
  uint32_t w, h;
  hxGetDisplaySize(&w, &h);
  w = hxAlignWidth(w, d, &gMain);

  ReleaseBuffer(&gMain);
  ReleaseBuffer(&gSub);
  if (!TakeBuffer(&gMain, MainBufferBytes(w, h, d))) return false;

  SetRegisterBits(REG_SPECIAL_EFFECTS, kSubWindowEnable, 0);
  *width = w;
  return true;
}

}  // namespace

int hxSetColorDepth(unsigned d) {
  uint8_t code;
  switch (d) {
    case 1:
      code = 0;
      break;
    case 2:
      code = 1;
      break;
    case 4:
      code = 2;
      break;
    case 8:
      code = 3;
      break;
    case 16:
      code = 4;
      break;
    default:
      return 1;
  }
  uint32_t w;
  if (!RenewMainBuffer(d, &w)) return kHalNoMemory;
  SetRegisterBits(REG_DISPLAY_MODE, 0x07, code);
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, static_cast<uint16_t>(w / PixelsPerWord(d)));
  hxSetViewOrigin(0, 0, 0, &gMain);
  SetRegisterBits(REG_SPECIAL_EFFECTS, 0xC0, 0);
  hxLoadDefaultLut(d);
  return kHalOk;
}

int hxSetRotation(unsigned r) {
  if (r > 3) r = 0;
  SetRegisterBits(REG_SPECIAL_EFFECTS, 0x03, static_cast<uint8_t>(r));

  unsigned d = hxGetColorDepth();
  uint32_t w;
  if (!RenewMainBuffer(d, &w)) return kHalNoMemory;
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, static_cast<uint16_t>(w / PixelsPerWord(d)));
  hxSetViewOrigin(0, 0, 1, gCurrent);
  return gCurrent->buffer ? kHalOk : kHalNoMemory;
}

uint8_t* hxAllocMainBuffer(uint32_t size) {
  return AllocBuffer(&gMain, kSurfaceMain, size);
}

uint8_t* hxAllocSubBuffer(uint32_t size) {
  return AllocBuffer(&gSub, kSurfaceSub, size);
}

int hxAllocSurfaces(unsigned mask) {
  uint32_t subWidth, subHeight;
  hxGetSubWindowSize(&subWidth, &subHeight);
  uint32_t mainSize = hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0) * 4u * PanelHeight();
  uint32_t subSize = hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0) * 4u * subHeight;

  if ((mask & kSurfaceMain) || mask == 0) {
    if (!hxAllocMainBuffer(mainSize)) return kHalNoMemory;
    hxSelectMainSurface();
  } else {
    hxAllocMainBuffer(0);
  }
  if ((mask & kSurfaceSub) || mask == 0) {
    if (!hxAllocSubBuffer(subSize)) return kHalNoMemory;
    hxSelectSubSurface();
  } else {
    hxAllocSubBuffer(0);
  }
  return kHalOk;
}

int hxSetupSubSurface(uint32_t width, uint32_t height) {
  unsigned d = hxGetColorDepth();
  width = hxAlignWidth(width, d, &gSub);
  // The sub-window spans whole words along its lines in every rotation, so
  // its view starts on a word edge and its lines keep no hidden pad.
  gSub.pad = 0;
  ReleaseBuffer(&gSub);
  if (!TakeBuffer(&gSub, height * width * 2 * d / 16)) return kHalNoMemory;
  gSub.width = width;
  gSub.height = height;
  hxRegWrite16(REG_SUB_WIN_ADDR_OFFSET0, static_cast<uint16_t>(width / PixelsPerWord(d)));
  hxSetViewOrigin(0, 0, 1, &gSub);
  return kHalOk;
}

void hxShareMainWithSub() {
  gSub.pad = gMain.pad;
  gSub.width = gMain.width;
  gSub.height = gMain.height;
  gSub.buffer = gMain.buffer;
  gSub.offset = gMain.offset;
  gSub.size = gMain.size;
  hxRegWrite32(REG_SUB_WIN_DISP_START_ADDR0, hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0));
  hxRegWrite16(REG_SUB_WIN_ADDR_OFFSET0, hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0));
}

void hxBlankMain(int on) {
  SetRegisterBits(REG_DISPLAY_MODE, kDisplayBlank, on ? kDisplayBlank : 0);
}

void hxHideSub(int on) {
  SetRegisterBits(REG_SPECIAL_EFFECTS, kSubWindowEnable, on ? 0 : kSubWindowEnable);
}

void hxHideCurrent(int on) {
  if (gCurrent->kind & kSurfaceMain) hxBlankMain(on);
  if (gCurrent->kind & kSurfaceSub) hxHideSub(on);
}
