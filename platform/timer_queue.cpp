#include "platform/timer_queue.h"

#include <algorithm>

namespace zorn::platform {

void TTimerQueue::Set(ITimerClient* client, uint32_t periodMs, uint64_t now) {
  uint64_t period = periodMs == 0 ? 1 : periodMs;
  // A restart counts as a new set: among timers due together it now comes last.
  Kill(client);
  timers_.push_back({client, period, now + period, nextOrder_++});
}

void TTimerQueue::Kill(ITimerClient* client) {
  std::erase_if(timers_, [client](const TEntry& e) { return e.Client == client; });
}

bool TTimerQueue::Contains(const ITimerClient* client) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [client](const TEntry& e) { return e.Client == client; });
}

std::optional<uint64_t> TTimerQueue::NextDue() const {
  if (timers_.empty()) return std::nullopt;
  uint64_t due = timers_.front().Due;
  for (const TEntry& e : timers_) due = std::min(due, e.Due);
  return due;
}

ITimerClient* TTimerQueue::PopDue(uint64_t now) {
  TEntry* best = nullptr;
  for (TEntry& e : timers_) {
    if (e.Due > now) continue;
    if (!best || e.Due < best->Due || (e.Due == best->Due && e.Order < best->Order)) best = &e;
  }
  if (!best) return nullptr;
  // Ticks missed by a late loop are dropped, as with Win32 window timers; a
  // punctual loop (the virtual clock always is) keeps the exact period grid.
  best->Due += best->Period;
  if (best->Due <= now) best->Due = now + best->Period;
  return best->Client;
}

}  // namespace zorn::platform
