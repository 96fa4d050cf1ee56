// The HAL run on another board in the middle of a program that uses it.
#include <gtest/gtest.h>
#include <string.h>

#include "common/default_record.h"
#include "hal/hal.h"
#include "sim/memory_board.h"
#include "tests/hal/fake_board.h"

// The program's board stays mapped and is not released, and its record,
// surfaces, allocator, priority nesting and trace are as they were.
TEST_F(OpenedBoardTest, SetAsideAndPutBackLeaveTheProgramsStateAsItWas) {
  SetPanel(64, 32);
  ASSERT_EQ(hxSetColorDepth(8), kHalOk);
  ASSERT_NE(hxAllocSubBuffer(1000), nullptr);
  hxSetSubWindow(8, 4, 40, 20);
  hxRaisePriority();
  HalSurfaceState surfaces = hxSurfaceState();
  VmemBlock blocks[8];
  int blockCount = hxVmemBlocks(blocks, 8);
  const HalBoardOps* board = hxBoard();

  HalState kept = hxSetAside();
  EXPECT_EQ(hxBoard(), nullptr);
  EXPECT_EQ(hxVmemBlocks(nullptr, 0), 1);
  HAL_STRUCT other = QLC_DEFAULT_HAL_STRUCT;
  hxUseBoard(FreshMemoryBoard());
  ASSERT_EQ(hxOpen(&other), kHalOk);
  ASSERT_EQ(hxApplyConfig(kApplyClearMemory), kHalOk);
  hxPutBack(kept);

  EXPECT_EQ(fake_board::releases, 0);
  EXPECT_EQ(hxBoard(), board);
  EXPECT_EQ(hxRecord(), &record_);
  HalSurfaceState after = hxSurfaceState();
  EXPECT_EQ(memcmp(&after.main, &surfaces.main, sizeof after.main), 0);
  EXPECT_EQ(memcmp(&after.sub, &surfaces.sub, sizeof after.sub), 0);
  EXPECT_EQ(after.subCurrent, surfaces.subCurrent);
  EXPECT_EQ(memcmp(after.cachedRect, surfaces.cachedRect, sizeof after.cachedRect), 0);
  VmemBlock afterBlocks[8];
  ASSERT_EQ(hxVmemBlocks(afterBlocks, 8), blockCount);
  for (int i = 0; i < blockCount; ++i) {
    EXPECT_EQ(afterBlocks[i].address, blocks[i].address);
    EXPECT_EQ(afterBlocks[i].size, blocks[i].size);
    EXPECT_EQ(afterBlocks[i].free, blocks[i].free);
  }
  EXPECT_EQ(hxRestorePriority(), 0);
  fake_board::trace.clear();
  hxVmemFree(hxSubSurface()->buffer);
  EXPECT_NE(fake_board::trace.find("passed"), std::string::npos);
}
