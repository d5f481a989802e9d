#include "platform/virtual_loop.h"

#include <algorithm>
#include <utility>

namespace zorn::platform {

void TVirtualLoop::SetTimer(ITimerClient* client, uint32_t periodMs) {
  timers_.Set(client, periodMs, now_);
}

void TVirtualLoop::KillTimer(ITimerClient* client) { timers_.Kill(client); }

void TVirtualLoop::Post(std::function<void()> task) { tasks_.push_back(std::move(task)); }

void TVirtualLoop::WatchSocket(TSocketHandle socket, uint8_t interest, ISocketClient* client) {
  sockets_.Watch(socket, interest, client);
}

void TVirtualLoop::UnwatchSocket(TSocketHandle socket) { sockets_.Unwatch(socket); }

bool TVirtualLoop::TimerRunning(const ITimerClient* client) const {
  return timers_.Contains(client);
}

void TVirtualLoop::RunTasks() {
  while (!tasks_.empty()) {
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
  }
}

void TVirtualLoop::PollSockets(int waitMs) {
  if (sockets_.Empty() && waitMs == 0) return;
  sockets_.Poll(waitMs);
  RunTasks();
}

void TVirtualLoop::RunPending() {
  RunTasks();
  PollSockets(0);
}

bool TVirtualLoop::RunUntil(const std::function<bool()>& done,
                            std::chrono::milliseconds realTimeout) {
  const auto deadline = std::chrono::steady_clock::now() + realTimeout;
  for (;;) {
    RunPending();
    if (done()) return true;
    auto left = deadline - std::chrono::steady_clock::now();
    if (left <= left.zero()) return false;
    // Short waits: `done` may also wait on a peer thread, not on a socket.
    int64_t wait = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    PollSockets(static_cast<int>(std::min<int64_t>(wait, 5)));
  }
}

bool TVirtualLoop::RunTicksDueNow() {
  bool ran = false;
  // Each tick is looked up afresh: a handler may have killed or restarted any
  // timer, its own included.
  while (ITimerClient* client = timers_.PopDue(now_)) {
    ran = true;
    client->OnTimerTick();
    RunTasks();
  }
  return ran;
}

void TVirtualLoop::Advance(uint64_t ms) {
  const uint64_t target = now_ + ms;
  RunPending();
  for (;;) {
    std::optional<uint64_t> due = timers_.NextDue();
    if (!due || *due > target) break;
    if (*due > now_) now_ = *due;
    RunTicksDueNow();
    PollSockets(0);
  }
  // A tick handler may have advanced the clock further (a nested loop).
  if (target > now_) now_ = target;
  RunPending();
}

void TVirtualLoop::Run() {
  while (!quit_) {
    RunPending();
    if (quit_) break;
    std::optional<uint64_t> due = timers_.NextDue();
    if (!due) break;
    if (*due > now_) now_ = *due;
    RunTicksDueNow();
  }
  quit_ = false;
}

void TVirtualLoop::Quit() { quit_ = true; }

}  // namespace zorn::platform
