// The event loop of tests: a virtual clock that only moves on Advance, so a
// ten-second timer test runs in microseconds and nothing ever sleeps.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "platform/event_loop.h"
#include "platform/timer_queue.h"

namespace zorn::platform {

class TVirtualLoop : public TEventLoop {
 public:
  void SetTimer(ITimerClient* client, uint32_t periodMs) override;
  void KillTimer(ITimerClient* client) override;
  void Post(std::function<void()> task) override;
  // Runs posted tasks and moves the clock from timer to timer until Quit;
  // returns at once when nothing is posted or scheduled.
  void Run() override;
  void Quit() override;

  // Moves the clock forward by `ms`, running posted tasks and, in time order,
  // every timer tick that falls due on the way (ticks due at the same moment
  // run in the order their timers were set).
  void Advance(uint64_t ms);
  // Runs the posted tasks, including those they post.
  void RunPending();
  uint64_t Now() const { return now_; }
  bool TimerRunning(const ITimerClient* client) const;

 private:
  // Runs every tick due at the current time, posted tasks after each one.
  bool RunTicksDueNow();

  uint64_t now_ = 0;
  bool quit_ = false;
  TTimerQueue timers_;
  std::deque<std::function<void()>> tasks_;
};

}  // namespace zorn::platform
