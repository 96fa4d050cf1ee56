// The board behind the HAL: the board driver's mapping of the PCI evaluation
// board, or the virtual board when QLC56420_VIRTUAL_BOARD names a folder.
// Both are reached through one small table of operations.
#ifndef QLC_HAL_HAL_PCI_H
#define QLC_HAL_HAL_PCI_H

#include <stdint.h>

#include "common/hal_struct.h"

struct HalBoardOps {
  uint8_t (*readRegister)(uint32_t index);
  void (*writeRegister)(uint32_t index, uint8_t value);
  uint8_t* (*memory)();  // byte 0 of the 80 KB display memory
  void (*release)();     // gives the board back (driver: unmap request)
  bool (*saveFrame)();   // keeps a picture of the panel where the board can
};

// Where the mapping starts and how far the second block lies above the first.
struct HalMapPlan {
  uint32_t base;
  uint32_t distance;
  bool registersFirst;  // registers at the mapped address, memory above
};

enum { kHalWindowSize = 0x400000, kHalDefaultDistance = 0x200000 };

#define QLC_VIRTUAL_BOARD_VARIABLE "QLC56420_VIRTUAL_BOARD"
#define QLC_BOARD_NUMBER_VARIABLE "QEBBOARD"

HalMapPlan hxPlanMapping(uint32_t regAddr, uint32_t dispMemAddr);
// Places the two blocks within a window mapped at linearAddress.
void hxPlaceBlocks(const HalMapPlan& plan, uintptr_t linearAddress, uintptr_t* registers,
                   uintptr_t* memory);
// The driver's board number from the text of QEBBOARD (null: 0).
uint32_t hxBoardNumberFromText(const char* text);

// Maps the board the record describes (or the virtual board) and registers
// hxUnmapBoard as an exit handler. Returns 0, 1, 6 or 7.
int hxMapBoard(const HAL_STRUCT* record);
// Releases the board; the virtual board saves its state and panel.png.
// Safe to call more than once.
void hxUnmapBoard();
// After each sub-window move: the virtual board keeps a frame; no-op otherwise.
void hxSaveFrame();

// The mapped board's operations, or null before mapping.
const HalBoardOps* hxBoard();
// Makes the next hxMapBoard use these operations instead of choosing a board
// (null restores the choice); returns the operations chosen before. Host
// tests and the panel preview run the HAL on such a board.
const HalBoardOps* hxUseBoard(const HalBoardOps* ops);
// Puts board in place of the mapped one without releasing either (null: none
// mapped); returns the board that was mapped. For taking a mapping aside.
const HalBoardOps* hxExchangeMappedBoard(const HalBoardOps* board);

// Platform side of the driver: maps the window at physical base (base 0:
// by the board number in QEBBOARD). Returns 0 with the linear address, or
// 6 (no driver), 7 (refused) or 1.
int PciDriverMap(uint32_t base, uintptr_t* linearAddress);
void PciDriverUnmap(uintptr_t linearAddress);
// Opens the virtual board kept in folder; null when it cannot be used. The
// virtual board (sim/hal_board.cpp) provides it.
const HalBoardOps* OpenVirtualBoard(const char* folder);

#endif
