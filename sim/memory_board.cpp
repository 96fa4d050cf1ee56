#include "sim/memory_board.h"

#include <string.h>

#include "common/register_indices.h"
#include "sim/chip_state.h"
#include "sim/panel_render.h"
#include "sim/virtual_board.h"

namespace {

ChipState gChip;
uint8_t gMemory[kVirtualBoardMemorySize];
bool gNonDisplay = false;

uint8_t ReadRegister(uint32_t offset) {
  if (offset >= kChipRegisterCount) return 0;
  bool nonDisplay = false;
  if (offset == REG_POWER_SAVE_CONFIG) {
    nonDisplay = gNonDisplay;
    gNonDisplay = !gNonDisplay;
  }
  return ChipReadRegister(gChip, static_cast<uint8_t>(offset), nonDisplay);
}

void WriteRegister(uint32_t offset, uint8_t value) {
  if (offset < kChipRegisterCount) ChipWriteRegister(&gChip, static_cast<uint8_t>(offset), value);
}

uint8_t* Memory() {
  return gMemory;
}

void Release() {}

bool SaveFrame() {
  return true;
}

const HalBoardOps kMemoryBoard = {ReadRegister, WriteRegister, Memory, Release, SaveFrame};

}  // namespace

const HalBoardOps* FreshMemoryBoard() {
  ResetChip(&gChip);
  ResyncSynthesizer(&gChip);
  memset(gMemory, 0, sizeof gMemory);
  gNonDisplay = false;
  return &kMemoryBoard;
}

PanelImage MemoryBoardRenderPanel() {
  return RenderPanel(gChip, gMemory, sizeof gMemory);
}
