// Choosing and mapping the board, and the driver board's register access
// through the mapped window.
#include "hal/hal_pci.h"

#include <stdlib.h>

namespace {

const HalBoardOps* gBoard = nullptr;
const HalBoardOps* gBoardForTests = nullptr;
bool gExitHandlerRegistered = false;

// The driver's window.
uintptr_t gLinearAddress = 0;
volatile uint8_t* gRegisters = nullptr;
uint8_t* gMemory = nullptr;

uint8_t DriverReadRegister(uint32_t index) {
  return gRegisters[index];
}
void DriverWriteRegister(uint32_t index, uint8_t value) {
  gRegisters[index] = value;
}
uint8_t* DriverMemory() {
  return gMemory;
}
void DriverRelease() {
  PciDriverUnmap(gLinearAddress);
  gLinearAddress = 0;
  gRegisters = nullptr;
  gMemory = nullptr;
}
bool DriverSaveFrame() {
  return true;
}

const HalBoardOps kDriverBoard = {DriverReadRegister, DriverWriteRegister, DriverMemory,
                                  DriverRelease, DriverSaveFrame};

int MapDriverBoard(const HAL_STRUCT* record) {
  HalMapPlan plan = hxPlanMapping(record->RegAddr, record->DispMemAddr);
  uintptr_t linear = 0;
  int result = PciDriverMap(plan.base, &linear);
  if (result != 0) return result;
  uintptr_t registers = 0, memory = 0;
  hxPlaceBlocks(plan, linear, &registers, &memory);
  gLinearAddress = linear;
  gRegisters = reinterpret_cast<volatile uint8_t*>(registers);
  gMemory = reinterpret_cast<uint8_t*>(memory);
  gBoard = &kDriverBoard;
  return 0;
}

}  // namespace

HalMapPlan hxPlanMapping(uint32_t regAddr, uint32_t dispMemAddr) {
  HalMapPlan plan;
  if (dispMemAddr > regAddr) {
    plan.base = regAddr;
    plan.distance = dispMemAddr - regAddr;
  } else if (dispMemAddr < regAddr) {
    plan.base = dispMemAddr;
    plan.distance = regAddr - dispMemAddr;
  } else {
    // Equal addresses (both 0: placed by the system) mean the board's own
    // layout: display memory 2 MB above the registers.
    plan.base = regAddr;
    plan.distance = kHalDefaultDistance;
  }
  plan.registersFirst = dispMemAddr >= regAddr;
  return plan;
}

void hxPlaceBlocks(const HalMapPlan& plan, uintptr_t linearAddress, uintptr_t* registers,
                   uintptr_t* memory) {
  if (plan.registersFirst) {
    *registers = linearAddress;
    *memory = linearAddress + plan.distance;
  } else {
    *memory = linearAddress;
    *registers = linearAddress + plan.distance;
  }
}

uint32_t hxBoardNumberFromText(const char* text) {
  return text ? static_cast<uint32_t>(atoi(text)) : 0;
}

int hxMapBoard(const HAL_STRUCT* record) {
  hxUnmapBoard();
  if (gBoardForTests) {
    gBoard = gBoardForTests;
  } else {
    const char* folder = getenv(QLC_VIRTUAL_BOARD_VARIABLE);
    if (folder && *folder) {
      gBoard = OpenVirtualBoard(folder);
      if (!gBoard) return 1;
    } else {
      if (!record) return 1;
      int result = MapDriverBoard(record);
      if (result != 0) return result;
    }
  }
  if (!gExitHandlerRegistered) {
    gExitHandlerRegistered = true;
    atexit(hxUnmapBoard);
  }
  return 0;
}

void hxUnmapBoard() {
  const HalBoardOps* board = gBoard;
  gBoard = nullptr;
  if (board && board->release) board->release();
}

void hxSaveFrame() {
  if (gBoard && gBoard->saveFrame) gBoard->saveFrame();
}

const HalBoardOps* hxBoard() {
  return gBoard;
}

const HalBoardOps* hxUseBoard(const HalBoardOps* ops) {
  const HalBoardOps* previous = gBoardForTests;
  gBoardForTests = ops;
  return previous;
}

const HalBoardOps* hxExchangeMappedBoard(const HalBoardOps* board) {
  const HalBoardOps* previous = gBoard;
  gBoard = board;
  return previous;
}
