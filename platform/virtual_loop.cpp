#include "platform/virtual_loop.h"

#include <utility>

namespace zorn::platform {

void TVirtualLoop::SetTimer(ITimerClient* client, uint32_t periodMs) {
  timers_.Set(client, periodMs, now_);
}

void TVirtualLoop::KillTimer(ITimerClient* client) { timers_.Kill(client); }

void TVirtualLoop::Post(std::function<void()> task) { tasks_.push_back(std::move(task)); }

bool TVirtualLoop::TimerRunning(const ITimerClient* client) const {
  return timers_.Contains(client);
}

void TVirtualLoop::RunPending() {
  while (!tasks_.empty()) {
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
  }
}

bool TVirtualLoop::RunTicksDueNow() {
  bool ran = false;
  // Each tick is looked up afresh: a handler may have killed or restarted any
  // timer, its own included.
  while (ITimerClient* client = timers_.PopDue(now_)) {
    ran = true;
    client->OnTimerTick();
    RunPending();
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
