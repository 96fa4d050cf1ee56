// Nested priority boost for the frame-counting busy loops.
#ifndef QLC_HAL_PRIORITY_H
#define QLC_HAL_PRIORITY_H

// The outermost raise saves the priorities and raises them; both return the
// nesting depth after the call.
int hxRaisePriority();
int hxRestorePriority();
// Forgets any nesting (at start).
void hxResetPriority();
// The nesting depth, and setting it back to one read earlier.
int hxPriorityDepth();
void hxSetPriorityDepth(int depth);

// Platform side: save the current priorities and raise them / put the saved
// ones back.
void PlatformRaisePriority();
void PlatformRestorePriority();

#endif
