// Everything the HAL keeps between calls, taken out whole so that a caller
// can run the HAL on a board of its own in the middle of a program that uses
// it, and put back afterwards as it was.
#ifndef QLC_HAL_HAL_STATE_H
#define QLC_HAL_HAL_STATE_H

#include "common/hal_struct.h"
#include "hal/hal_mem.h"
#include "hal/hal_pci.h"
#include "hal/hal_virt.h"

struct HalState {
  const HalBoardOps* mappedBoard;
  const HalBoardOps* chosenBoard;  // for the next mapping (hxUseBoard)
  HAL_STRUCT* record;
  HalSurfaceState surfaces;
  VmemList allocator;
  int priorityDepth;
  HalTraceSink traceSink;
};

// Takes the state out without releasing the mapped board. The HAL is then as
// at program start: no board mapped or chosen, no record, the allocator
// empty, the trace going to standard output.
HalState hxSetAside();
// Releases whatever was mapped since and puts state back.
void hxPutBack(const HalState& state);

#endif
