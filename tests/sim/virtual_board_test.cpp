// The board as the HAL sees it: state kept in its folder between runs, the
// panel written as PNG, stray memory writes caught, and a frame clock that
// runs in real time.
#include "sim/virtual_board.h"

#include <gtest/gtest.h>
#include <stdio.h>

#include <chrono>
#include <string>

#include "tests/sim/board_writes.h"
#include "tests/support/temp_dir.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

void WriteRegisters(std::initializer_list<std::pair<uint8_t, uint8_t>> writes) {
  for (const auto& write : writes) VirtualBoardWriteRegister(write.first, write.second);
}

// A 64 x 32 colour panel at 8 bits per pixel with LCD power on.
void SetUpSmallPanel() {
  WriteRegisters({{0x10, 0x40}, {0x14, 7}, {0x1C, 31}, {0x70, 0x03}, {0x78, 16}, {0xAD, 0x80}});
}

void WriteLutEntry(uint8_t index, uint8_t red, uint8_t green, uint8_t blue) {
  WriteRegisters({{0x0A, red}, {0x09, green}, {0x08, blue}, {0x0B, index}});
}

uint32_t BigEndianWord(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

class VirtualBoardTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(VirtualBoardOpen(dir_.Path().c_str())); }
  void TearDown() override { VirtualBoardClose(); }
  void Reopen() {
    VirtualBoardClose();
    ASSERT_FALSE(VirtualBoardIsOpen());
    ASSERT_TRUE(VirtualBoardOpen(dir_.Path().c_str()));
  }
  TempDir dir_;
};

TEST_F(VirtualBoardTest, AFreshBoardStartsClearedWithTheSynthesizerUnprogrammed) {
  EXPECT_TRUE(VirtualBoardIsOpen());
  EXPECT_EQ(VirtualBoardReadRegister(0x00) & 0xFC, 0x28);
  EXPECT_EQ(VirtualBoardReadRegister(0x70), 0);
  EXPECT_EQ(VirtualBoardMemory()[0], 0);
  EXPECT_EQ(VirtualBoardMemory()[kVirtualBoardMemorySize - 1], 0);
  EXPECT_EQ(VirtualBoardSynthesizerWord(0), -1);
  EXPECT_EQ(VirtualBoardSynthesizerWord(3), -1);
  EXPECT_EQ(VirtualBoardSynthesizerWord(8), -1);
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 0u);
}

TEST_F(VirtualBoardTest, RegistersLutGcpSynthesizerAndMemorySurviveCloseAndOpen) {
  SetUpSmallPanel();
  WriteLutEntry(7, 1, 2, 3);
  WriteRegisters({{0x28, 31}, {0x2C, 0x99}, {0xA0, 0x01}});
  SendSynthWord(VirtualBoardWriteRegister, 0x646D0D);
  VirtualBoardMemory()[0] = 0x11;
  VirtualBoardMemory()[kVirtualBoardMemorySize - 1] = 0x22;
  WriteRegisters({{0xA0, 0x00}});
  PanelImage before = VirtualBoardRenderPanel();
  WriteRegisters({{0xA0, 0x01}});
  Reopen();
  EXPECT_EQ(VirtualBoardReadRegister(0x14), 7);
  EXPECT_EQ(VirtualBoardReadRegister(0x70), 0x03);
  EXPECT_EQ(VirtualBoardReadRegister(0xA0) & 0x7F, 0x01);
  VirtualBoardWriteRegister(0x0F, 7);
  EXPECT_EQ(VirtualBoardReadRegister(0x0E), 1);
  EXPECT_EQ(VirtualBoardReadRegister(0x0D), 2);
  EXPECT_EQ(VirtualBoardReadRegister(0x0C), 3);
  EXPECT_EQ(VirtualBoardReadRegister(0x2C), 0x99);
  EXPECT_EQ(VirtualBoardSynthesizerWord(3), 0x646D0D);
  EXPECT_EQ(VirtualBoardMemory()[0], 0x11);
  EXPECT_EQ(VirtualBoardMemory()[kVirtualBoardMemorySize - 1], 0x22);
  WriteRegisters({{0xA0, 0x00}});
  EXPECT_EQ(VirtualBoardRenderPanel().pixels, before.pixels) << "the kept board shows the same";
}

TEST_F(VirtualBoardTest, ClosingWritesTheShownPanelAsPng) {
  SetUpSmallPanel();
  WriteLutEntry(0, 0, 0, 0);
  WriteLutEntry(1, 0xFF, 0x80, 0x01);
  WriteLutEntry(2, 0x10, 0x20, 0x30);
  for (int i = 0; i < 64 * 32; ++i) VirtualBoardMemory()[i] = static_cast<uint8_t>(i % 3);
  PanelImage shown = VirtualBoardRenderPanel();
  VirtualBoardClose();

  std::string png = ReadFileBytes(dir_.File("panel.png"));
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndianWord(png, 16), 64u);
  EXPECT_EQ(BigEndianWord(png, 20), 32u);

  int width = 0, height = 0, channels = 0;
  unsigned char* pixels =
      stbi_load_from_memory(reinterpret_cast<const unsigned char*>(png.data()),
                            static_cast<int>(png.size()), &width, &height, &channels, 3);
  ASSERT_NE(pixels, nullptr);
  ASSERT_EQ(width, shown.width);
  ASSERT_EQ(height, shown.height);
  for (size_t i = 0; i < shown.pixels.size(); ++i) {
    uint32_t rgb =
        uint32_t{pixels[3 * i]} << 16 | uint32_t{pixels[3 * i + 1]} << 8 | pixels[3 * i + 2];
    ASSERT_EQ(rgb, shown.pixels[i]) << "pixel " << i;
  }
  stbi_image_free(pixels);

#ifndef _WIN32
  if (HaveProgram("identify")) {
    EXPECT_EQ(CommandOutput("identify -format %wx%h \"" + dir_.File("panel.png") + "\""), "64x32");
  }
#endif
}

TEST_F(VirtualBoardTest, SavedFramesAreNumberedFromOne) {
  SetUpSmallPanel();
  EXPECT_TRUE(VirtualBoardSaveFrame());
  EXPECT_TRUE(VirtualBoardSaveFrame());
  EXPECT_TRUE(FileExists(dir_.File("panel-0001.png")));
  EXPECT_TRUE(FileExists(dir_.File("panel-0002.png")));
  EXPECT_FALSE(FileExists(dir_.File("panel-0003.png")));
  VirtualBoardClose();
  EXPECT_FALSE(VirtualBoardSaveFrame()) << "no board, no picture";
}

TEST_F(VirtualBoardTest, StrayMemoryWritesAreCountedRestoredAndReported) {
  uint8_t* memory = VirtualBoardMemory();
  memory[-1] = 0x01;
  memory[kVirtualBoardMemorySize] = 0x02;
  memory[kVirtualBoardMemorySize + 0x400] = 0x03;
  memory[kVirtualBoardMemorySize - 1] = 0x04;  // the last byte is still memory
  VirtualBoardRenderPanel();
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 3u);
  VirtualBoardRenderPanel();
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 3u) << "each stray write is counted once";
  EXPECT_EQ(memory[kVirtualBoardMemorySize - 1], 0x04);
  memory[kVirtualBoardMemorySize + 1] = 0x05;
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 4u) << "counted when asked, without a picture";
  memory[-2] = 0x06;
  VirtualBoardClose();
  EXPECT_EQ(ReadFileBytes(dir_.File("refused.txt")), "5\n");
  ASSERT_TRUE(VirtualBoardOpen(dir_.Path().c_str()));
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 0u);
  EXPECT_EQ(ReadFileBytes(dir_.File("refused.txt")), "0\n");
}

TEST_F(VirtualBoardTest, RegisterOffsetsBeyondTheBlockAreRefused) {
  VirtualBoardWriteRegister(0x100, 0x12);
  EXPECT_EQ(VirtualBoardReadRegister(0x100), 0);
  EXPECT_EQ(VirtualBoardReadRegister(0xFFFFFFFF), 0);
  EXPECT_EQ(VirtualBoardReadRegister(0x00) & 0xFC, 0x28);
  EXPECT_EQ(VirtualBoardRefusedAccesses(), 3u);
}

TEST(VirtualBoardFolder, AMissingFolderIsCreated) {
  TempDir dir;
  std::string folder = dir.File("board/nested");
  ASSERT_TRUE(VirtualBoardOpen(folder.c_str()));
  VirtualBoardClose();
  EXPECT_TRUE(FileExists(folder + "/board.state"));
  EXPECT_TRUE(FileExists(folder + "/panel.png"));
}

TEST(VirtualBoardFolder, AFileInPlaceOfTheFolderOrADamagedStateIsRefused) {
  TempDir dir;
  ASSERT_TRUE(WriteFileBytes(dir.File("plain"), "x"));
  EXPECT_FALSE(VirtualBoardOpen(dir.File("plain").c_str()));
  EXPECT_FALSE(VirtualBoardOpen(""));
  EXPECT_FALSE(VirtualBoardOpen(nullptr));
  ASSERT_TRUE(WriteFileBytes(dir.File("board.state"), "not a board"));
  EXPECT_FALSE(VirtualBoardOpen(dir.Path().c_str()));
  EXPECT_FALSE(VirtualBoardIsOpen());
  EXPECT_EQ(ReadFileBytes(dir.File("board.state")), "not a board") << "the old state is kept";
}

// PCLK 50 MHz, HT 64: a line lasts 1.28 us; VT 100 lines.
void SetUpFastFrame(uint8_t displayLines) {
  WriteRegisters({{0x04, 0x00},
                  {0x05, 0x02},
                  {0x12, 7},
                  {0x18, 99},
                  {0x19, 0},
                  {0x1C, static_cast<uint8_t>(displayLines - 1)},
                  {0x1D, 0}});
}

double NonDisplayShare() {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
  unsigned long samples = 0, set = 0;
  while (std::chrono::steady_clock::now() < end) {
    ++samples;
    if (VirtualBoardReadRegister(0xA0) & 0x80) ++set;
  }
  return static_cast<double>(set) / static_cast<double>(samples);
}

TEST_F(VirtualBoardTest, VerticalStatusIsSetForTheShareOfNonDisplayLines) {
  SetUpFastFrame(50);
  EXPECT_NEAR(NonDisplayShare(), 0.50, 0.12);
  SetUpFastFrame(75);
  EXPECT_NEAR(NonDisplayShare(), 0.25, 0.12);
}

TEST_F(VirtualBoardTest, CountedFramesTakeAtLeastTheirProgrammedTime) {
  // PCLK 50 MHz, HT 1024, VT 489: 10.0 ms per frame.
  WriteRegisters({{0x04, 0x00},
                  {0x05, 0x02},
                  {0x12, 0x7F},
                  {0x18, 0xE8},
                  {0x19, 0x01},
                  {0x1C, 0xEF},
                  {0x1D, 0x00}});
  auto start = std::chrono::steady_clock::now();
  for (int frame = 0; frame < 10; ++frame) {
    while (!(VirtualBoardReadRegister(0xA0) & 0x80)) {
    }
    while (VirtualBoardReadRegister(0xA0) & 0x80) {
    }
  }
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 90);
}

}  // namespace
