// The HAL on the virtual board, chosen through QLC56420_VIRTUAL_BOARD.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "common/default_record.h"
#include "hal/hal.h"
#include "sim/virtual_board.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

namespace {

void IgnoreTrace(const char*) {}

class VirtualBoardTest : public testing::Test {
 protected:
  void SetUp() override {
    hxUseBoard(nullptr);
    SetVariable(QLC_VIRTUAL_BOARD_VARIABLE, dir_.Path().c_str());
    hxSetTraceSink(IgnoreTrace);
  }
  void TearDown() override {
    hxUnmapBoard();
    SetVariable(QLC_VIRTUAL_BOARD_VARIABLE, nullptr);
    hxSetTraceSink(nullptr);
  }
  TempDir dir_;
};

}  // namespace

// The default record opens, programs both 50 MHz synthesizer words and shows
// a 320x240 panel; releasing the board leaves panel.png in the folder.
TEST_F(VirtualBoardTest, DefaultRecordProgramsTheBoard) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  ASSERT_EQ(hxOpen(&record), kHalOk);
  ASSERT_TRUE(VirtualBoardIsOpen());
  EXPECT_EQ(hxMemBase(), VirtualBoardMemory());
  EXPECT_EQ(hxApplyConfig(kApplyClearMemory | kApplyBlankDisplay), kHalOk);
  EXPECT_EQ(VirtualBoardSynthesizerWord(kSynthClkI), 0x01AC3D);
  EXPECT_EQ(VirtualBoardSynthesizerWord(kSynthClkI2), 0x61C841);
  uint32_t w = 0, h = 0;
  hxGetDisplaySize(&w, &h);
  EXPECT_EQ(w, 320u);
  EXPECT_EQ(h, 240u);
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 0ul);
  hxUnmapBoard();
  EXPECT_FALSE(VirtualBoardIsOpen());
  EXPECT_TRUE(FileExists(dir_.File("panel.png")));
}

// Frames are kept on request, one file per call.
TEST_F(VirtualBoardTest, SaveFrameWritesNumberedPictures) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  ASSERT_EQ(hxOpen(&record), kHalOk);
  ASSERT_EQ(hxApplyConfig(kApplyClearMemory | kApplyBlankDisplay), kHalOk);
  hxSaveFrame();
  EXPECT_TRUE(FileExists(dir_.File("panel-0001.png")));
}

// A colour depth change, rotation and a drawn pixel show on the panel.
TEST_F(VirtualBoardTest, DrawnMemoryReachesThePanel) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  ASSERT_EQ(hxOpen(&record), kHalOk);
  ASSERT_EQ(hxApplyConfig(kApplyClearMemory | kApplyBlankDisplay), kHalOk);
  ASSERT_EQ(hxSetColorDepth(8), kHalOk);
  ASSERT_EQ(hxSetRotation(0), kHalOk);
  // Index 15 of the default 8-bit colour table is white.
  hxMemWrite32(0, 0x0F0F0F0F, 1);
  PanelImage panel = VirtualBoardRenderPanel();
  ASSERT_EQ(panel.width, 320);
  ASSERT_EQ(panel.height, 240);
  EXPECT_EQ(panel.pixels[0], 0xFFFFFFu);
  EXPECT_EQ(panel.pixels[4], 0x000000u);
}
