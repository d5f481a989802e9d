// The POSIX loop: poll() sleeps until the next timer is due or a watched
// socket is ready; the clock is CLOCK_MONOTONIC, so a change of the wall clock
// never shifts a tick.
#include "platform/event_loop.h"

#include <time.h>

#include <climits>
#include <deque>
#include <utility>

#include "platform/socket_set.h"
#include "platform/timer_queue.h"

namespace zorn::platform {
namespace {

enum class TRounding { Down, Up };

// Timers start on the clock rounded up and fall due on it rounded down, so a
// tick never comes before its full period has passed.
uint64_t MonotonicMs(TRounding rounding) {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  uint64_t ns = static_cast<uint64_t>(ts.tv_nsec);
  if (rounding == TRounding::Up) ns += 999999u;
  return static_cast<uint64_t>(ts.tv_sec) * 1000u + ns / 1000000u;
}

class TPosixLoop final : public TEventLoop {
 public:
  void SetTimer(ITimerClient* client, uint32_t periodMs) override {
    timers_.Set(client, periodMs, MonotonicMs(TRounding::Up));
  }
  void KillTimer(ITimerClient* client) override { timers_.Kill(client); }
  void Post(std::function<void()> task) override { tasks_.push_back(std::move(task)); }
  void Quit() override { quit_ = true; }
  void WatchSocket(TSocketHandle socket, uint8_t interest, ISocketClient* client) override {
    sockets_.Watch(socket, interest, client);
  }
  void UnwatchSocket(TSocketHandle socket) override { sockets_.Unwatch(socket); }
  uint64_t NowMs() const override { return MonotonicMs(TRounding::Down); }

  void Run() override {
    while (!quit_) {
      RunTasks();
      // Ticks due now, each followed by the tasks it posted, as the Win32
      // queue delivers posted messages before the next WM_TIMER.
      while (ITimerClient* client = timers_.PopDue(MonotonicMs(TRounding::Down))) {
        client->OnTimerTick();
        RunTasks();
      }
      if (quit_) break;
      Wait();
    }
    quit_ = false;
  }

 private:
  void RunTasks() {
    while (!tasks_.empty()) {
      std::function<void()> task = std::move(tasks_.front());
      tasks_.pop_front();
      task();
    }
  }

  // Sleeps until the next timer is due or a socket is ready, and reports the
  // sockets; with neither a timer, a task nor a socket the loop has nothing
  // left to wait for but a signal. An interrupted wait just returns: the
  // caller recomputes it.
  void Wait() {
    int timeout = -1;
    if (!tasks_.empty()) {
      timeout = 0;
    } else if (std::optional<uint64_t> due = timers_.NextDue()) {
      uint64_t now = MonotonicMs(TRounding::Down);
      // `now` is rounded down and poll() never wakes early, so the wait
      // always ends at or after the due time: no spinning through short waits.
      uint64_t wait = *due <= now ? 0 : *due - now;
      timeout = wait > INT_MAX ? INT_MAX : static_cast<int>(wait);
    }
    if (timeout == 0 && sockets_.Empty()) return;
    sockets_.Poll(timeout);
  }

  TTimerQueue timers_;
  std::deque<std::function<void()>> tasks_;
  TSocketSet sockets_;
  bool quit_ = false;
};

}  // namespace

std::unique_ptr<TEventLoop> MakePlatformLoop() { return std::make_unique<TPosixLoop>(); }

}  // namespace zorn::platform
