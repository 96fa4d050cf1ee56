// The display-memory allocator and bounded display-memory access.
#include <gtest/gtest.h>
#include <stdio.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

std::string Hex(const void* address) {
  char text[40];
  snprintf(text, sizeof text, "%08llX",
           static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(address)));
  return text;
}

class VmemTest : public OpenedBoardTest {
 protected:
  void SetUp() override {
    OpenedBoardTest::SetUp();
    if (HasFatalFailure()) return;
    _hxVmemInit(kDisplayMemorySize);
    Trace();
  }
  // What the allocator traced since the last call.
  std::string Trace() {
    std::string text = fake_board::trace;
    fake_board::trace.clear();
    return text;
  }
  std::vector<VmemBlock> Blocks() {
    VmemBlock blocks[16];
    int count = hxVmemBlocks(blocks, 16);
    return std::vector<VmemBlock>(blocks, blocks + (count < 16 ? count : 16));
  }
};

}  // namespace

// Sizes round up to whole kilobytes: 1 takes 1024, 1025 takes 2048, 0 an
// empty block.
TEST_F(VmemTest, SizesRoundUpToWholeKilobytes) {
  uint8_t* first = hxVmemAlloc(1);
  uint8_t* second = hxVmemAlloc(1025);
  uint8_t* third = hxVmemAlloc(0);
  EXPECT_EQ(first, fake_board::memory);
  EXPECT_EQ(second, fake_board::memory + 1024);
  EXPECT_EQ(third, fake_board::memory + 3072);
  EXPECT_EQ(Trace(), "hxVmemAlloc(00000400) > " + Hex(first) + "\n" + "hxVmemAlloc(00000800) > " +
                         Hex(second) + "\n" + "hxVmemAlloc(00000000) > " + Hex(third) + "\n");
  std::vector<VmemBlock> blocks = Blocks();
  ASSERT_EQ(blocks.size(), 4u);
  EXPECT_EQ(blocks[0].size, 1024u);
  EXPECT_EQ(blocks[1].size, 2048u);
  EXPECT_EQ(blocks[2].size, 0u);
  EXPECT_EQ(blocks[3].size, 0x14000u - 3072);
  EXPECT_TRUE(blocks[3].free);
}

// Taking exactly all memory leaves no free remainder; the next request fails
// with its rounded size.
TEST_F(VmemTest, ExhaustedMemoryFailsWithTheRoundedSize) {
  EXPECT_EQ(hxVmemAlloc(0x14000), fake_board::memory);
  EXPECT_EQ(Blocks().size(), 1u);
  Trace();
  EXPECT_EQ(hxVmemAlloc(10), nullptr);
  EXPECT_EQ(Trace(), "hxVmemAlloc(00000400) FAILED\n");
}

// First fit: a freed hole in front is reused before the tail.
TEST_F(VmemTest, FirstFreeBlockLargeEnoughIsTaken) {
  uint8_t* a = hxVmemAlloc(4096);
  hxVmemAlloc(1024);
  ASSERT_EQ(hxVmemFree(a), 1);
  EXPECT_EQ(hxVmemAlloc(2048), a);
  EXPECT_EQ(hxVmemAlloc(2048), a + 2048);
}

// Freeing two neighbours in either order leaves one free node covering both
// (and the free tail).
TEST_F(VmemTest, AdjacentFreedBlocksMergeInEitherOrder) {
  for (int order = 0; order < 2; ++order) {
    _hxVmemInit(kDisplayMemorySize);
    uint8_t* a = hxVmemAlloc(1024);
    uint8_t* b = hxVmemAlloc(2048);
    uint8_t* c = hxVmemAlloc(1024);
    ASSERT_NE(c, nullptr);
    Trace();
    EXPECT_EQ(hxVmemFree(order == 0 ? a : b), 1);
    EXPECT_EQ(hxVmemFree(order == 0 ? b : a), 1);
    EXPECT_EQ(Trace(), "hxVmemFree(" + Hex(order == 0 ? a : b) + ") passed\n" + "hxVmemFree(" +
                           Hex(order == 0 ? b : a) + ") passed\n");
    std::vector<VmemBlock> blocks = Blocks();
    ASSERT_EQ(blocks.size(), 3u) << "order " << order;
    EXPECT_EQ(blocks[0].address, a);
    EXPECT_EQ(blocks[0].size, 3072u);
    EXPECT_TRUE(blocks[0].free);
    EXPECT_FALSE(blocks[1].free);
    EXPECT_TRUE(blocks[2].free);
  }
}

// An address that is no in-use block changes nothing and says FAILED.
TEST_F(VmemTest, FreeingUnknownOrFreeAddressFails) {
  uint8_t* a = hxVmemAlloc(1024);
  Trace();
  EXPECT_EQ(hxVmemFree(a + 4), 0);
  EXPECT_EQ(hxVmemFree(a), 1);
  EXPECT_EQ(hxVmemFree(a), 0);
  EXPECT_EQ(Trace(), "hxVmemFree(" + Hex(a + 4) + ") FAILED\n" + "hxVmemFree(" + Hex(a) +
                         ") passed\n" + "hxVmemFree(" + Hex(a) + ") FAILED\n");
}

// Word access stays inside the 80 KB of display memory: a fill that runs
// past the end stops at the last word, reads outside give 0.
TEST_F(VmemTest, WordAccessStaysInsideDisplayMemory) {
  hxMemWrite32(0x14000 - 8, 0x11223344, 4);
  EXPECT_EQ(hxMemRead32(0x14000 - 4), 0x11223344u);
  EXPECT_EQ(fake_board::memory[0x14000 - 8], 0x44);
  EXPECT_EQ(hxMemRead32(0x14000), 0u);
  EXPECT_EQ(hxMemRead32(0x13FFFE), 0u);
  hxMemWrite32(0x13FFFC, 1, 1);  // beyond the memory: dropped
  EXPECT_TRUE(hxMemInside(0, 0x14000));
  EXPECT_FALSE(hxMemInside(0x13FFD, 4));
  EXPECT_FALSE(hxMemInside(4, 0xFFFFFFFF));
}

// Byte copies are clipped at the end of display memory.
TEST_F(VmemTest, ByteCopyIsClippedAtTheEnd) {
  const uint8_t row[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(hxMemWriteBytes(0x14000 - 3, row, 8), 3u);
  EXPECT_EQ(fake_board::memory[0x14000 - 1], 3);
  EXPECT_EQ(hxMemWriteBytes(0x14000, row, 8), 0u);
  EXPECT_EQ(hxMemWriteBytes(0x13FFFF, row, 8), 0u);
}

// Without a sink of its own the trace goes to standard output.
TEST(VmemTrace, DefaultSinkIsStandardOutput) {
  HalTraceSink previous = hxSetTraceSink(nullptr);
  testing::internal::CaptureStdout();
  _hxVmemInit(0x2000);
  std::string text = testing::internal::GetCapturedStdout();
  hxSetTraceSink(previous);
  EXPECT_EQ(text, "_hxVmemInit(00002000)\n");
}
