// The board as one module-level instance, as there is one board per process.
//
// Display memory is the middle of a larger block with a guard region on each
// side. The HAL writes through a plain host pointer, so a stray write cannot be
// stopped as it happens; it lands in a guard instead of in other memory. The
// guards are checked whenever the panel is rendered, the board is closed or
// the count is asked for:
// every changed guard byte counts as one refused access and is restored.
#include "sim/virtual_board.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/register_indices.h"
#include "sim/board_store.h"
#include "sim/chip_state.h"
#include "sim/frame_timing.h"
#include "sim/panel_render.h"
#include "sim/png_writer.h"

namespace {

const size_t kGuardSize = 0x10000;
const uint8_t kGuardFill = 0xA5;
const char kPanelFileName[] = "panel.png";
const char kRefusedFileName[] = "refused.txt";

uint8_t gBlock[kGuardSize + kVirtualBoardMemorySize + kGuardSize];
ChipState gChip;
bool gOpen = false;
bool gCloseAtExit = false;
std::string gFolder;
unsigned long gRefused = 0;
int gFrameNumber = 0;
std::chrono::steady_clock::time_point gFrameClockStart;

uint8_t* DisplayMemory() {
  return gBlock + kGuardSize;
}

std::string FolderFile(const std::string& name) {
  return (std::filesystem::path(gFolder) / name).string();
}

void FillGuards() {
  memset(gBlock, kGuardFill, kGuardSize);
  memset(DisplayMemory() + kVirtualBoardMemorySize, kGuardFill, kGuardSize);
}

void CountGuardWrites(uint8_t* guard) {
  for (size_t i = 0; i < kGuardSize; ++i) {
    if (guard[i] == kGuardFill) continue;
    guard[i] = kGuardFill;
    ++gRefused;
  }
}

void CheckGuards() {
  if (!gOpen) return;
  CountGuardWrites(gBlock);
  CountGuardWrites(DisplayMemory() + kVirtualBoardMemorySize);
}

bool WriteRefusedCount() {
  std::ofstream file(FolderFile(kRefusedFileName), std::ios::binary | std::ios::trunc);
  file << gRefused << "\n";
  file.close();
  return !file.fail();
}

uint64_t FrameClockNanoseconds() {
  auto elapsed = std::chrono::steady_clock::now() - gFrameClockStart;
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count());
}

void CloseAtExit() {
  VirtualBoardClose();
}

}  // namespace

bool VirtualBoardOpen(const char* folder) {
  if (!folder || !*folder) return false;
  if (gOpen) VirtualBoardClose();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) return false;
  gFolder = folder;

  ResetChip(&gChip);
  memset(DisplayMemory(), 0, kVirtualBoardMemorySize);
  if (LoadBoardState(FolderFile(kBoardStateFileName), &gChip, DisplayMemory(),
                     kVirtualBoardMemorySize) == kBoardInvalid)
    return false;
  ResyncSynthesizer(&gChip);
  FillGuards();
  gRefused = 0;
  gFrameNumber = 0;
  // Writing the count now also proves that the folder takes files.
  if (!WriteRefusedCount()) return false;
  gFrameClockStart = std::chrono::steady_clock::now();
  gOpen = true;
  if (!gCloseAtExit) gCloseAtExit = atexit(CloseAtExit) == 0;
  return true;
}

void VirtualBoardClose() {
  if (!gOpen) return;
  CheckGuards();
  SaveBoardState(FolderFile(kBoardStateFileName), gChip, DisplayMemory(), kVirtualBoardMemorySize);
  WritePanelPng(FolderFile(kPanelFileName), VirtualBoardRenderPanel());
  WriteRefusedCount();
  gOpen = false;
}

bool VirtualBoardIsOpen() {
  return gOpen;
}

uint8_t VirtualBoardReadRegister(uint32_t offset) {
  if (!gOpen || offset >= kChipRegisterCount) {
    ++gRefused;
    return 0;
  }
  bool nonDisplay =
      offset == REG_POWER_SAVE_CONFIG && InVerticalNonDisplay(gChip, FrameClockNanoseconds());
  return ChipReadRegister(gChip, static_cast<uint8_t>(offset), nonDisplay);
}

void VirtualBoardWriteRegister(uint32_t offset, uint8_t value) {
  if (!gOpen || offset >= kChipRegisterCount) {
    ++gRefused;
    return;
  }
  ChipWriteRegister(&gChip, static_cast<uint8_t>(offset), value);
}

uint8_t* VirtualBoardMemory() {
  return DisplayMemory();
}

bool VirtualBoardSaveFrame() {
  if (!gOpen) return false;
  char name[32];
  snprintf(name, sizeof name, "panel-%04d.png", ++gFrameNumber);
  return WritePanelPng(FolderFile(name), VirtualBoardRenderPanel());
}

PanelImage VirtualBoardRenderPanel() {
  CheckGuards();
  return RenderPanel(gChip, DisplayMemory(), kVirtualBoardMemorySize);
}

long VirtualBoardSynthesizerWord(int synthRegister) {
  if (synthRegister < 0 || synthRegister >= kSynthRegisterCount) return -1;
  return gChip.synthWords[synthRegister];
}

unsigned long VirtualBoardRefusedAccesses() {
  CheckGuards();
  return gRefused;
}
