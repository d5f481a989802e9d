#include "platform/timer_queue.h"

#include <algorithm>

namespace zorn::platform {

void TTimerQueue::Set(ITimerClient* client, uint32_t periodMs, uint64_t now) {
  Start(client, periodMs, now + (periodMs == 0 ? 1 : periodMs));
}

void TTimerQueue::Start(ITimerClient* client, uint32_t periodMs, uint64_t firstDue) {
  uint64_t period = periodMs == 0 ? 1 : periodMs;
  // A restart counts as a new set: among timers due together it now comes last.
  Kill(client);
  timers_.push_back({client, period, firstDue, nextOrder_++});
}

void TTimerQueue::Kill(ITimerClient* client) {
  std::erase_if(timers_, [client](const TEntry& e) { return e.Client == client; });
}

bool TTimerQueue::Contains(const ITimerClient* client) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [client](const TEntry& e) { return e.Client == client; });
}

uint64_t TTimerQueue::StartCount(const ITimerClient* client) const {
  for (const TEntry& e : timers_) {
    if (e.Client == client) return e.Order;
  }
  return 0;
}

std::optional<uint64_t> TTimerQueue::NextDue() const {
  if (timers_.empty()) return std::nullopt;
  uint64_t due = timers_.front().Due;
  for (const TEntry& e : timers_) due = std::min(due, e.Due);
  return due;
}

uint64_t TTimerQueue::TickNear(uint64_t from, uint64_t to) const {
  uint64_t best = to + 1;
  for (const TEntry& e : timers_) {
    uint64_t tick = e.Due;
    if (tick < from) tick += (from - tick + e.Period - 1) / e.Period * e.Period;
    best = std::min(best, tick);
  }
  return best <= to ? best : from;
}

std::optional<uint64_t> TTimerQueue::WakeTime(uint64_t batchMs) const {
  std::optional<uint64_t> first = NextDue();
  if (!first) return first;
  uint64_t wake = *first;
  for (const TEntry& e : timers_) {
    if (e.Due <= *first + batchMs) wake = std::max(wake, e.Due);
  }
  return wake;
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
