// The event loop of tests: a virtual clock that only moves on Advance, so a
// ten-second timer test runs in microseconds and nothing ever sleeps. Watched
// sockets are real: they are polled, without waiting, between the steps, so a
// scheme on virtual time can talk to a real peer on loopback.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/event_loop.h"
#include "platform/socket_set.h"
#include "platform/timer_queue.h"

namespace zorn::platform {

class TVirtualLoop : public TEventLoop {
 public:
  void SetTimer(ITimerClient* client, uint32_t periodMs) override;
  void KillTimer(ITimerClient* client) override;
  void Post(std::function<void()> task) override;
  void WatchSocket(TSocketHandle socket, uint8_t interest, ISocketClient* client) override;
  void UnwatchSocket(TSocketHandle socket) override;
  // Runs posted tasks and moves the clock from timer to timer until Quit;
  // returns at once when nothing is posted or scheduled. Sockets are polled
  // between the steps but never waited for.
  void Run() override;
  void Quit() override;

  // Moves the clock forward by `ms`, running posted tasks and, in time order,
  // every timer tick that falls due on the way (ticks due at the same moment
  // run in the order their timers were set). Ready sockets are reported
  // before the first step, after each one and at the end.
  void Advance(uint64_t ms);
  // Runs the posted tasks, including those they post; then reports the
  // sockets ready now, once, and runs the tasks their handlers posted.
  void RunPending();
  // For tests against a real peer: runs RunPending until `done` holds,
  // waiting for socket readiness in real time between rounds, without moving
  // the clock. False when `done` still fails after `realTimeout`, the
  // watchdog of the test.
  bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds realTimeout);
  bool SocketWatched(TSocketHandle socket) const { return sockets_.Contains(socket); }
  uint64_t Now() const { return now_; }
  uint64_t NowMs() const override { return now_; }
  bool TimerRunning(const ITimerClient* client) const;

 private:
  // Runs every tick due at the current time, posted tasks after each one.
  bool RunTicksDueNow();
  void RunTasks();
  // Reports the sockets ready now, then the tasks their handlers posted.
  void PollSockets(int waitMs);

  uint64_t now_ = 0;
  bool quit_ = false;
  TTimerQueue timers_;
  std::deque<std::function<void()>> tasks_;
  TSocketSet sockets_;
};

}  // namespace zorn::platform
