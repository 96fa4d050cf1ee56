// FIFOs for tests of code that must refuse them instead of waiting for their
// other end. POSIX only: Windows has no FIFOs in its file system.
#ifndef QLC_TESTS_SUPPORT_FIFO_H
#define QLC_TESTS_SUPPORT_FIFO_H

#include <functional>
#include <string>

// Makes a FIFO at path; false where that is not possible.
bool MakeFifo(const std::string& path);

// Runs body while a guard stands by to release a reader that waits on the
// FIFO at path: should body not have returned after a long while, the guard
// opens the FIFO's writing end (and closes it again) until body returns.
// True when body returned without that help, false when it waited.
bool ReturnsWithoutWaitingOnFifo(const std::string& path, const std::function<void()>& body);

#endif
