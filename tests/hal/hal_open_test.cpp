// Board mapping, start-up and chip detection.
#include <gtest/gtest.h>
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"
#include "tests/support/environment.h"
#include "tests/support/temp_dir.h"

namespace {

std::string AllocLine(uint32_t size, const void* address) {
  char line[80];
  snprintf(line, sizeof line, "hxVmemAlloc(%08" PRIX32 ") > %08llX\n", size,
           static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(address)));
  return line;
}

class HalOpen : public testing::Test {
 protected:
  void SetUp() override { fake_board::Install(); }
  void TearDown() override { fake_board::Uninstall(); }
};

}  // namespace

// With both addresses 0 the registers lie at the window's start and display
// memory 2 MB above.
TEST(HalMapPlan, BothAddressesZeroPutMemoryTwoMegabytesAboveRegisters) {
  HalMapPlan plan = hxPlanMapping(0, 0);
  EXPECT_EQ(plan.base, 0u);
  EXPECT_EQ(plan.distance, 0x200000u);
  uintptr_t registers = 0, memory = 0;
  hxPlaceBlocks(plan, 0x10000000, &registers, &memory);
  EXPECT_EQ(registers, 0x10000000u);
  EXPECT_EQ(memory, 0x10200000u);
}

// Memory above the registers: mapped at the register address.
TEST(HalMapPlan, MemoryAboveRegistersMapsAtRegisterAddress) {
  HalMapPlan plan = hxPlanMapping(0xE0000000, 0xE0100000);
  EXPECT_EQ(plan.base, 0xE0000000u);
  EXPECT_EQ(plan.distance, 0x100000u);
  uintptr_t registers = 0, memory = 0;
  hxPlaceBlocks(plan, 0x40000000, &registers, &memory);
  EXPECT_EQ(registers, 0x40000000u);
  EXPECT_EQ(memory, 0x40100000u);
}

// Memory below the registers: mapped at the memory address, registers the
// difference above it.
TEST(HalMapPlan, MemoryBelowRegistersMapsAtMemoryAddress) {
  HalMapPlan plan = hxPlanMapping(0xE0300000, 0xE0000000);
  EXPECT_EQ(plan.base, 0xE0000000u);
  EXPECT_EQ(plan.distance, 0x300000u);
  uintptr_t registers = 0, memory = 0;
  hxPlaceBlocks(plan, 0x40000000, &registers, &memory);
  EXPECT_EQ(memory, 0x40000000u);
  EXPECT_EQ(registers, 0x40300000u);
}

// QEBBOARD is a decimal board number, 0 when unset.
TEST(HalMapPlan, BoardNumberIsDecimalAndZeroWhenUnset) {
  EXPECT_EQ(hxBoardNumberFromText(nullptr), 0u);
  EXPECT_EQ(hxBoardNumberFromText("3"), 3u);
  EXPECT_EQ(hxBoardNumberFromText("12"), 12u);
  EXPECT_EQ(hxBoardNumberFromText(""), 0u);
}

// Without a driver (and without a virtual board) the HAL answers 6, the
// "PCI driver not found" code, and leaves no board mapped.
TEST(HalNoBoard, MissingDriverGivesCodeSix) {
  SetVariable(QLC_VIRTUAL_BOARD_VARIABLE, nullptr);
  HAL_STRUCT record = RecordWith({});
  testing::internal::CaptureStdout();
  EXPECT_EQ(hxOpen(&record), kHalNoDriver);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(hxBoard(), nullptr);
  EXPECT_EQ(hxRegRead8(REG_REVISION_CODE), 0);
}

// A virtual board folder that cannot be opened is a mapping failure (1).
TEST(HalNoBoard, UnusableVirtualBoardGivesCodeOne) {
  TempDir dir;
  std::string notAFolder = dir.File("plain-file");
  ASSERT_TRUE(WriteFileBytes(notAFolder, "x"));
  SetVariable(QLC_VIRTUAL_BOARD_VARIABLE, (notAFolder + "/board").c_str());
  HAL_STRUCT record = RecordWith({});
  EXPECT_EQ(hxOpen(&record), kHalMapFailed);
  SetVariable(QLC_VIRTUAL_BOARD_VARIABLE, nullptr);
  EXPECT_EQ(hxBoard(), nullptr);
}

// Start-up traces two allocator resets around the forgotten 64 KB block and
// finds the chip.
TEST_F(HalOpen, TracesTheStartUpAllocationsAndFindsTheChip) {
  fake_board::registers[REG_REVISION_CODE] = 0x2B;
  HAL_STRUCT record = RecordWith({});
  std::string trace;
  EXPECT_EQ(OpenOnFakeBoard(&record, &trace), kHalOk);
  EXPECT_EQ(trace, "_hxVmemInit(00014000)\n" + AllocLine(0x10000, fake_board::memory) +
                       "_hxVmemInit(00014000)\n");
  int revision = -1;
  EXPECT_EQ(hxDetectChip(&revision), kHalOk);
  EXPECT_EQ(revision, 3);
  EXPECT_EQ(hxRecord(), &record);
  EXPECT_EQ(hxMemBase(), fake_board::memory);
}

// Another product code: 2, revision 0.
TEST_F(HalOpen, OtherProductCodeIsNoChip) {
  fake_board::registers[REG_REVISION_CODE] = 0x2C | 1;
  HAL_STRUCT record = RecordWith({});
  std::string trace;
  EXPECT_EQ(OpenOnFakeBoard(&record, &trace), kHalNoChip);
  int revision = -1;
  EXPECT_EQ(hxDetectChip(&revision), kHalNoChip);
  EXPECT_EQ(revision, 0);
}

// Start-up lays out the main surface from the registers as they stand:
// REG[78h] words per line times the panel height.
TEST_F(HalOpen, AllocatesTheMainSurfaceFromTheCurrentRegisters) {
  SetPanel(320, 240);
  fake_board::registers[REG_MAIN_WIN_ADDR_OFFSET0] = 80;
  HAL_STRUCT record = RecordWith({});
  std::string trace;
  ASSERT_EQ(OpenOnFakeBoard(&record, &trace), kHalOk);
  EXPECT_EQ(hxMainSurface()->buffer, fake_board::memory);
  EXPECT_EQ(hxMainSurface()->size, 80u * 4 * 240);
  EXPECT_EQ(hxCurrentSurface(), hxMainSurface());
  int x1, y1, x2, y2;
  hxGetCachedSubWindow(&x1, &y1, &x2, &y2);
  EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{0, 0, 1, 1}));
}

// Releasing the board calls its release once, however often it is asked;
// frames go to the board.
TEST_F(HalOpen, ReleaseHappensOnceAndFramesReachTheBoard) {
  HAL_STRUCT record = RecordWith({});
  std::string trace;
  ASSERT_EQ(OpenOnFakeBoard(&record, &trace), kHalOk);
  hxSaveFrame();
  hxSaveFrame();
  EXPECT_EQ(fake_board::frames, 2);
  hxUnmapBoard();
  hxUnmapBoard();
  EXPECT_EQ(fake_board::releases, 1);
  hxSaveFrame();
  EXPECT_EQ(fake_board::frames, 2);
}

// 16- and 32-bit register access is little-endian over consecutive registers.
TEST_F(HalOpen, WideRegisterAccessIsLittleEndian) {
  HAL_STRUCT record = RecordWith({});
  std::string trace;
  ASSERT_EQ(OpenOnFakeBoard(&record, &trace), kHalOk);
  fake_board::writes.clear();
  hxRegWrite32(0x84, 0x12345678);
  EXPECT_EQ(fake_board::writes,
            (std::vector<RegisterWrite>{{0x84, 0x78}, {0x85, 0x56}, {0x86, 0x34}, {0x87, 0x12}}));
  EXPECT_EQ(hxRegRead16(0x86), 0x1234);
  EXPECT_EQ(hxRegRead32(0x84), 0x12345678u);
}
