// Real-time priority class and time-critical thread priority while the HAL
// counts frames.
#include <windows.h>

#include "hal/priority.h"

namespace {

DWORD gSavedClass = NORMAL_PRIORITY_CLASS;
int gSavedThreadPriority = THREAD_PRIORITY_NORMAL;

}  // namespace

void PlatformRaisePriority() {
  gSavedClass = GetPriorityClass(GetCurrentProcess());
  gSavedThreadPriority = GetThreadPriority(GetCurrentThread());
  SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
}

void PlatformRestorePriority() {
  SetPriorityClass(GetCurrentProcess(), gSavedClass);
  SetThreadPriority(GetCurrentThread(), gSavedThreadPriority);
}
