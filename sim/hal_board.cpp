// The virtual board as a board of the HAL.
#include "hal/hal_pci.h"
#include "sim/virtual_board.h"

namespace {

const HalBoardOps kVirtualBoard = {VirtualBoardReadRegister, VirtualBoardWriteRegister,
                                   VirtualBoardMemory, VirtualBoardClose, VirtualBoardSaveFrame};

}  // namespace

const HalBoardOps* OpenVirtualBoard(const char* folder) {
  return VirtualBoardOpen(folder) ? &kVirtualBoard : nullptr;
}
