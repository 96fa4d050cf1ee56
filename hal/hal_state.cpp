#include "hal/hal_state.h"

#include "hal/hal_record.h"
#include "hal/priority.h"

HalState hxSetAside() {
  HalState state;
  state.mappedBoard = hxExchangeMappedBoard(nullptr);
  state.chosenBoard = hxUseBoard(nullptr);
  state.record = hxRecord();
  hxUseRecord(nullptr);
  state.surfaces = hxSurfaceState();
  hxResetSurfaces();
  state.allocator = hxVmemTakeList();
  state.priorityDepth = hxPriorityDepth();
  hxResetPriority();
  state.traceSink = hxSetTraceSink(nullptr);
  return state;
}

void hxPutBack(const HalState& state) {
  hxUnmapBoard();
  hxExchangeMappedBoard(state.mappedBoard);
  hxUseBoard(state.chosenBoard);
  hxUseRecord(state.record);
  hxRestoreSurfaces(state.surfaces);
  hxVmemPutList(state.allocator);
  hxSetPriorityDepth(state.priorityDepth);
  hxSetTraceSink(state.traceSink);
}
