// Surfaces, sub-window placement, colour depth and rotation.
#include <gtest/gtest.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

class SurfaceTest : public OpenedBoardTest {
 protected:
  void SetUp() override {
    OpenedBoardTest::SetUp();
    if (HasFatalFailure()) return;
    SetPanel(320, 240);
    fake_board::writes.clear();
    fake_board::trace.clear();
  }
  void SetMode(unsigned depthCode, unsigned rotation) {
    fake_board::registers[REG_DISPLAY_MODE] = static_cast<uint8_t>(depthCode);
    fake_board::registers[REG_SPECIAL_EFFECTS] = static_cast<uint8_t>(rotation);
  }
  std::vector<uint32_t> SubWindowRegisters() {
    return {hxRegRead32(0x84), hxRegRead32(0x88), hxRegRead32(0x8C), hxRegRead32(0x90)};
  }
  std::vector<int> SubWindow() {
    int x1, y1, x2, y2;
    hxGetSubWindow(&x1, &y1, &x2, &y2);
    return {x1, y1, x2, y2};
  }
};

}  // namespace

// Setting the sub-window: the four unrotated registers per rotation, at
// 8 bits per pixel (4 pixels a word) on a 320x240 panel.
TEST_F(SurfaceTest, SetSubWindowTranslatesPerRotation) {
  const std::vector<uint32_t> expected[4] = {
      {40 / 4, 20, 200 / 4 - 1, 100 - 1},                              // 0
      {20, (240 - 200) / 4, 100 - 1, (240 - 40) / 4 - 1},              // 90
      {(320 - 200) / 4, 240 - 100, (320 - 40) / 4 - 1, 240 - 20 - 1},  // 180
      {320 - 100, 40 / 4, 320 - 20 - 1, 200 / 4 - 1},                  // 270
  };
  for (unsigned r = 0; r < 4; ++r) {
    SetMode(3, r);
    hxSetSubWindow(40, 20, 200, 100);
    EXPECT_EQ(SubWindowRegisters(), expected[r]) << "rotation " << r;
  }
}

// Reading back gives inclusive ends: set then get loses one column and line
// in every rotation.
TEST_F(SurfaceTest, GetSubWindowReturnsInclusiveEnds) {
  for (unsigned r = 0; r < 4; ++r) {
    SetMode(3, r);
    uint32_t w, h;
    hxGetDisplaySize(&w, &h);
    hxSetSubWindow(40, 20, 200, 100);
    EXPECT_EQ(SubWindow(), (std::vector<int>{40, 20, 199, 99})) << "rotation " << r;
  }
}

// Reading rotation 0 from raw registers at 1 bit per pixel.
TEST_F(SurfaceTest, GetSubWindowScalesWordsByDepth) {
  SetMode(0, 0);
  hxRegWrite32(0x84, 2);
  hxRegWrite32(0x88, 5);
  hxRegWrite32(0x8C, 4);
  hxRegWrite32(0x90, 9);
  EXPECT_EQ(SubWindow(), (std::vector<int>{64, 5, 159, 9}));
  uint32_t w, h;
  hxGetSubWindowSize(&w, &h);
  EXPECT_EQ(w, 96u);
  EXPECT_EQ(h, 5u);
}

// Negative coordinates are clamped to 0 before translation and in the cache.
TEST_F(SurfaceTest, NegativeCoordinatesClampToZero) {
  SetMode(3, 0);
  hxSetSubWindow(-8, -3, 16, 10);
  EXPECT_EQ(SubWindowRegisters(), (std::vector<uint32_t>{0, 0, 3, 9}));
  int x1, y1, x2, y2;
  hxGetCachedSubWindow(&x1, &y1, &x2, &y2);
  EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{0, 0, 16, 10}));
}

// A start beyond the end gives 0 in that direction; the width is rounded
// to whole words, the height never.
TEST_F(SurfaceTest, SubWindowSizeIsZeroWhenStartPassesEnd) {
  SetMode(3, 0);
  hxRegWrite32(0x84, 10);
  hxRegWrite32(0x88, 0);
  hxRegWrite32(0x8C, 4);
  hxRegWrite32(0x90, 9);
  uint32_t w, h;
  hxGetSubWindowSize(&w, &h);
  EXPECT_EQ(w, 0u);
  EXPECT_EQ(h, 10u);
  SetMode(3, 1);
  // In 90 and 270 degrees the rotated x runs in whole words (x 0..11 at 90,
  // words counted from the far edge; x 0..7 at 270); the height runs along
  // the panel's lines and stays in lines: 7, not 8.
  const uint32_t kWidths[4] = {0, 12, 0, 8};
  for (unsigned rotation : {1u, 3u}) {
    SetMode(3, rotation);
    hxSetSubWindow(0, 0, 10, 7);
    hxGetSubWindowSize(&w, &h);
    EXPECT_EQ(w, kWidths[rotation]) << "rotation " << rotation;
    EXPECT_EQ(h, 7u) << "rotation " << rotation;
  }
}

// 320 pixels at 8 bits: REG[78h] = 80 words and a 320x240-byte main buffer;
// REG[70h] keeps its other bits, REG[71h] loses bits 4, 6 and 7.
TEST_F(SurfaceTest, ColourDepthSetsOffsetBufferAndModeBits) {
  fake_board::registers[REG_DISPLAY_MODE] = 0x84;
  fake_board::registers[REG_SPECIAL_EFFECTS] = 0xD0;
  EXPECT_EQ(hxSetColorDepth(8), kHalOk);
  EXPECT_EQ(hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0), 80);
  EXPECT_EQ(hxMainSurface()->size, 320u * 240);
  EXPECT_EQ(hxMainSurface()->buffer, fake_board::memory);
  EXPECT_EQ(fake_board::registers[REG_DISPLAY_MODE], 0x83);
  EXPECT_EQ(fake_board::registers[REG_SPECIAL_EFFECTS], 0x00);
  EXPECT_EQ(hxGetColorDepth(), 8u);
  EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), 0u);
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_WRITE_ADDR).size(), 256u);
  EXPECT_EQ(hxCurrentSurface(), hxMainSurface());
}

// An unsupported depth returns 1 and writes nothing.
TEST_F(SurfaceTest, UnsupportedDepthChangesNothing) {
  EXPECT_EQ(hxSetColorDepth(24), 1);
  EXPECT_EQ(hxSetColorDepth(0), 1);
  EXPECT_TRUE(fake_board::writes.empty());
}

// 16 bits on 320x240 needs 150 KB: 11, and no buffer is kept.
TEST_F(SurfaceTest, DepthTooLargeForMemoryGivesEleven) {
  EXPECT_EQ(hxSetColorDepth(16), kHalNoMemory);
  EXPECT_EQ(hxMainSurface()->buffer, nullptr);
  EXPECT_EQ(fake_board::trace, "hxVmemAlloc(00025800) FAILED\n");
}

// 321 pixels at 1 bit align to 352; 90 and 180 degrees, which scan
// backwards from the end of a word, keep the pad of 31 before the line.
TEST_F(SurfaceTest, AlignWidthPadsWhereTheScanRunsBackwards) {
  const uint32_t kPads[4] = {0, 31, 31, 0};
  for (unsigned r = 0; r < 4; ++r) {
    HX_SURFACE surface = {};
    SetMode(0, r);
    EXPECT_EQ(hxAlignWidth(321, 1, &surface), 352u);
    EXPECT_EQ(surface.pad, kPads[r]) << "rotation " << r;
    EXPECT_EQ(hxAlignWidth(320, 1, &surface), 320u);
    EXPECT_EQ(surface.pad, 0u);
  }
}

// Start address per rotation, for a surface at offset 4096 in a 320x240
// 8-bit mode (S = 320 bytes), view origin (8, 2).
TEST_F(SurfaceTest, StartAddressFollowsTheRotation) {
  HX_SURFACE surface = {};
  surface.kind = kSurfaceMain;
  surface.offset = 4096;
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, 80);
  const uint32_t expected[4] = {
      (4096 + 2 * 320 + 8) / 4,                          // 0
      (4096 + (240 + 8) + 2 * 320) / 4 - 1,              // 90: W = 240
      (4096 + (240 + 2 - 1) * 320 + (320 + 8)) / 4 - 1,  // 180
      (4096 + (320 + 2 - 1) * 320 + 8) / 4,              // 270: H = 320
  };
  for (unsigned r = 0; r < 4; ++r) {
    SetMode(3, r);
    surface.height = 0;
    hxSetViewOrigin(8, 2, 0, &surface);
    EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), expected[r]) << "rotation " << r;
    EXPECT_EQ(surface.width, 320u);
    EXPECT_EQ(surface.height, r & 1 ? 320u : 240u);
  }
}

// The pad moves the start address: 321 pixels wide at 1 bit in 90 degrees.
TEST_F(SurfaceTest, PadShiftsTheStartAddress) {
  SetPanel(320, 321);  // rotated width 321
  SetMode(0, 1);
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, 11);  // 352 pixels
  HX_SURFACE surface = {};
  surface.kind = kSurfaceMain;
  EXPECT_EQ(hxAlignWidth(321, 1, &surface), 352u);
  hxSetViewOrigin(0, 0, 0, &surface);
  // (W + pad) x d / 8 = 352 / 8 = 44 bytes: the last word of the first line.
  EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), 44u / 4 - 1);
  surface.pad = 0;
  hxSetViewOrigin(0, 0, 0, &surface);
  EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), 321u / 8 / 4 - 1);
}

// At 180 degrees the pad takes the start to the last word of the last line:
// a 200 x 10 panel at 1 bit has lines of 224 pixels, 7 words.
TEST_F(SurfaceTest, PadTakesTheUpsideDownStartToTheLastWord) {
  SetPanel(200, 10);
  SetMode(0, 2);
  ASSERT_EQ(hxSetColorDepth(1), kHalOk);
  EXPECT_EQ(hxMainSurface()->pad, 24u);
  EXPECT_EQ(hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0), 7);
  EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), hxMainSurface()->offset / 4 + 10 * 7 - 1);
}

// Rotation sizes the main buffer for the new orientation, switches the
// sub-window off and starts at the view origin after a frame edge.
TEST_F(SurfaceTest, RotationReallocatesAndWaitsForTheFrame) {
  SetMode(3, 0x10);
  ASSERT_EQ(hxSetColorDepth(8), kHalOk);
  fake_board::registers[REG_SPECIAL_EFFECTS] |= 0x10;
  fake_board::ClearStatusReads();
  EXPECT_EQ(hxSetRotation(1), kHalOk);
  EXPECT_EQ(hxGetRotation(), 1u);
  EXPECT_EQ(fake_board::registers[REG_SPECIAL_EFFECTS] & 0x10, 0);
  EXPECT_EQ(hxRegRead16(REG_MAIN_WIN_ADDR_OFFSET0), 60);  // 240 / 4
  EXPECT_EQ(hxMainSurface()->size, 240u * 320);
  EXPECT_EQ(hxRegRead32(REG_MAIN_WIN_DISP_START_ADDR0), 240u / 4 - 1);
  EXPECT_EQ(fake_board::periodsEntered, 1);  // waited for the period to begin
  EXPECT_EQ(hxSetRotation(7), kHalOk);
  EXPECT_EQ(hxGetRotation(), 0u);
}

// The sub-window surface: aligned width, its line offset and a buffer of
// h x w x d / 8 bytes after the main one.
TEST_F(SurfaceTest, SubSurfaceGetsItsOwnBufferAndOffset) {
  SetMode(3, 0);
  ASSERT_EQ(hxSetColorDepth(4), kHalOk);  // 320x240x4 = 38400 bytes, 38 KB
  hxSetSubWindow(0, 0, 100, 50);
  EXPECT_EQ(hxSetupSubSurface(101, 50), kHalOk);
  HX_SURFACE* sub = hxSubSurface();
  EXPECT_EQ(sub->width, 104u);
  EXPECT_EQ(sub->size, 104u * 50 / 2);
  EXPECT_EQ(sub->offset, 38912u);  // 38 KB, after the main block
  EXPECT_EQ(hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0), 13);
  EXPECT_EQ(hxRegRead32(REG_SUB_WIN_DISP_START_ADDR0), 38912u / 4);
}

// At 90 degrees the sub-window surface keeps no pad: its window is whole
// words wide, so its pixels start at the beginning of each line and the
// view starts at the last word of the window's width.
TEST_F(SurfaceTest, SubSurfaceAtNinetyDegreesKeepsNoPad) {
  SetMode(0, 1);
  ASSERT_EQ(hxSetColorDepth(1), kHalOk);  // 240 x 320 / 8 = 9600 bytes
  hxSetSubWindow(0, 0, 64, 40);           // two words along the lines
  EXPECT_EQ(hxSetupSubSurface(50, 40), kHalOk);
  HX_SURFACE* sub = hxSubSurface();
  EXPECT_EQ(sub->pad, 0u);
  EXPECT_EQ(sub->width, 64u);
  EXPECT_EQ(sub->height, 40u);
  EXPECT_EQ(hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0), 2);
  EXPECT_EQ(hxRegRead32(REG_SUB_WIN_DISP_START_ADDR0), sub->offset / 4 + 64 / 32 - 1);
}

// Sharing: the sub-window shows the main window's memory and line offset.
TEST_F(SurfaceTest, ShareMainWithSubCopiesRecordAndRegisters) {
  SetMode(3, 0);
  ASSERT_EQ(hxSetColorDepth(8), kHalOk);
  hxRegWrite32(REG_MAIN_WIN_DISP_START_ADDR0, 0x123);
  hxShareMainWithSub();
  EXPECT_EQ(hxSubSurface()->kind, (uint32_t)kSurfaceSub);
  EXPECT_EQ(hxSubSurface()->buffer, hxMainSurface()->buffer);
  EXPECT_EQ(hxSubSurface()->size, hxMainSurface()->size);
  EXPECT_EQ(hxRegRead32(REG_SUB_WIN_DISP_START_ADDR0), 0x123u);
  EXPECT_EQ(hxRegRead16(REG_SUB_WIN_ADDR_OFFSET0), 80);
}

// Hiding the current surface blanks the main window or switches the
// sub-window off; the visible size and stride follow the surface.
TEST_F(SurfaceTest, CurrentSurfaceHidesAndMeasuresItsOwnWindow) {
  SetMode(3, 0);
  hxRegWrite16(REG_SUB_WIN_ADDR_OFFSET0, 20);
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, 80);
  hxSetSubWindow(0, 0, 80, 60);
  hxSelectMainSurface();
  hxHideCurrent(1);
  EXPECT_EQ(fake_board::registers[REG_DISPLAY_MODE], 0x83);
  hxHideCurrent(0);
  EXPECT_EQ(fake_board::registers[REG_DISPLAY_MODE], 0x03);
  EXPECT_EQ(hxGetSurfaceStride(), 320u);
  hxSelectSubSurface();
  fake_board::registers[REG_SPECIAL_EFFECTS] = 0x10;
  hxHideCurrent(1);
  EXPECT_EQ(fake_board::registers[REG_SPECIAL_EFFECTS], 0x00);
  hxHideCurrent(0);
  EXPECT_EQ(fake_board::registers[REG_SPECIAL_EFFECTS], 0x10);
  uint32_t w, h;
  EXPECT_EQ(hxGetSurfaceSize(&w, &h), 0);
  EXPECT_EQ(w, 80u);
  EXPECT_EQ(h, 60u);
  EXPECT_EQ(hxGetSurfaceStride(), 80u);
}

// Both surfaces at once (mask 0): main first, then the sub-window, which
// becomes current.
TEST_F(SurfaceTest, AllocSurfacesWithMaskZeroTakesBoth) {
  SetMode(3, 0);
  hxRegWrite16(REG_MAIN_WIN_ADDR_OFFSET0, 80);
  hxRegWrite16(REG_SUB_WIN_ADDR_OFFSET0, 20);
  hxSetSubWindow(0, 0, 80, 10);
  EXPECT_EQ(hxAllocSurfaces(0), kHalOk);
  EXPECT_EQ(hxMainSurface()->size, 80u * 4 * 240);
  EXPECT_EQ(hxSubSurface()->size, 20u * 4 * 10);
  EXPECT_EQ(hxSubSurface()->offset, 76800u);  // 75 KB
  EXPECT_EQ(hxCurrentSurface(), hxSubSurface());
  EXPECT_EQ(hxAllocSurfaces(kSurfaceMain), kHalOk);
  EXPECT_EQ(hxSubSurface()->buffer, nullptr);
  EXPECT_EQ(hxCurrentSurface(), hxMainSurface());
}
