#include "tests/support/fifo.h"

#ifdef _WIN32

bool MakeFifo(const std::string&) {
  return false;
}

bool ReturnsWithoutWaitingOnFifo(const std::string&, const std::function<void()>& body) {
  body();
  return true;
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

bool MakeFifo(const std::string& path) {
  return mkfifo(path.c_str(), 0600) == 0;
}

bool ReturnsWithoutWaitingOnFifo(const std::string& path, const std::function<void()>& body) {
  std::mutex mutex;
  std::condition_variable returned;
  bool done = false;
  bool helped = false;
  std::thread guard([&] {
    std::unique_lock<std::mutex> lock(mutex);
    // Far longer than refusing a file takes on the busiest machine.
    if (returned.wait_for(lock, std::chrono::seconds(20), [&] { return done; })) return;
    helped = true;
    while (!done) {
      // Opening the writing end without blocking succeeds only while a
      // reader waits; closing it again gives that reader an empty file.
      int end = open(path.c_str(), O_WRONLY | O_NONBLOCK);
      if (end >= 0) close(end);
      returned.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; });
    }
  });
  body();
  {
    std::lock_guard<std::mutex> lock(mutex);
    done = true;
  }
  returned.notify_one();
  guard.join();
  return !helped;
}

#endif
