// Pseudo-terminal pairs as serial lines, and a watchdog for tests that wait
// on real I/O.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace zorn::test {

// Ends the test program with a message when the guarded scope has not
// finished in time, so that a read that never returns fails instead of
// hanging the run.
class TWatchdog {
 public:
  explicit TWatchdog(std::chrono::milliseconds limit = std::chrono::seconds(10))
      : thread_([this, limit] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "watchdog: the test did not finish within %lld ms\n",
                         static_cast<long long>(limit.count()));
            std::_Exit(3);
          }
        }) {}
  ~TWatchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

inline int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// One pair. The test plays the device on Master; the code under test opens
// SlavePath. Slave stays open so that the line's settings can be read back.
class TPtyPair {
 public:
  TPtyPair() {
    char name[256] = {};
    if (openpty(&Master, &Slave, name, nullptr, nullptr) != 0) {
      ADD_FAILURE() << "openpty failed";
      return;
    }
    SlavePath = name;
    fcntl(Master, F_SETFL, fcntl(Master, F_GETFL) | O_NONBLOCK);
  }
  ~TPtyPair() {
    CloseMaster();
    if (Slave >= 0) close(Slave);
  }
  TPtyPair(const TPtyPair&) = delete;
  TPtyPair& operator=(const TPtyPair&) = delete;

  // The device goes away: the side under test sees a hang-up.
  void CloseMaster() {
    if (Master >= 0) close(Master);
    Master = -1;
  }

  // Writes all of `bytes` as the device; false when `ms` ran out first.
  bool Send(const std::string& bytes, int ms = 2000) {
    size_t sent = 0;
    int64_t deadline = SteadyMs() + ms;
    while (sent < bytes.size()) {
      ssize_t n = write(Master, bytes.data() + sent, bytes.size() - sent);
      if (n > 0) {
        sent += static_cast<size_t>(n);
        continue;
      }
      int64_t left = deadline - SteadyMs();
      if (left <= 0) return false;
      pollfd p{Master, POLLOUT, 0};
      poll(&p, 1, static_cast<int>(left));
    }
    return true;
  }

  // What the device received: reads until `count` bytes came or `ms` ran out.
  std::string Receive(size_t count, int ms = 2000) {
    std::string got;
    int64_t deadline = SteadyMs() + ms;
    char buf[4096];
    while (got.size() < count) {
      ssize_t n = read(Master, buf, std::min(sizeof buf, count - got.size()));
      if (n > 0) {
        got.append(buf, static_cast<size_t>(n));
        continue;
      }
      int64_t left = deadline - SteadyMs();
      if (left <= 0) break;
      pollfd p{Master, POLLIN, 0};
      poll(&p, 1, static_cast<int>(left));
    }
    return got;
  }

  int Master = -1;
  int Slave = -1;
  std::string SlavePath;
};

}  // namespace zorn::test
