// Nesting of the priority boost: only the outermost raise and restore change
// the priorities.
#include "hal/priority.h"

namespace {

int gDepth = 0;

}  // namespace

int hxRaisePriority() {
  if (gDepth == 0) PlatformRaisePriority();
  return ++gDepth;
}

int hxRestorePriority() {
  if (gDepth == 1) PlatformRestorePriority();
  if (gDepth > 0) --gDepth;
  return gDepth;
}

void hxResetPriority() {
  gDepth = 0;
}

int hxPriorityDepth() {
  return gDepth;
}

void hxSetPriorityDepth(int depth) {
  gDepth = depth;
}
