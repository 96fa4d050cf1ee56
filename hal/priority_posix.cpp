// Raising scheduling priority needs privileges on POSIX hosts, so the boost
// only nests and counts there.
#include "hal/priority.h"

void PlatformRaisePriority() {}

void PlatformRestorePriority() {}
