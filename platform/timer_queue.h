// Periodic timers ordered by due time; shared by the POSIX and virtual loops.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zorn::platform {

class ITimerClient;

class TTimerQueue {
 public:
  // Starts or restarts the timer of `client`: first due at now + period.
  void Set(ITimerClient* client, uint32_t periodMs, uint64_t now);
  // The same with the first tick at `firstDue`.
  void Start(ITimerClient* client, uint32_t periodMs, uint64_t firstDue);
  void Kill(ITimerClient* client);
  bool Contains(const ITimerClient* client) const;
  // Tells one start of a client's timer from the next; 0 when none is set.
  uint64_t StartCount(const ITimerClient* client) const;
  // The earliest due time, if any timer is set.
  std::optional<uint64_t> NextDue() const;
  // The client of the earliest timer due at or before `now` (ties: the one set
  // first), rescheduled one period later; nullptr when none is due.
  ITimerClient* PopDue(uint64_t now);
  bool Empty() const { return timers_.empty(); }

  // Coalescing, for a loop whose every wake-up costs (the Win32 one):
  // The earliest tick of any set timer within [from, to], else `from`. A
  // timer whose first tick is moved there stays in step with that timer.
  uint64_t TickNear(uint64_t from, uint64_t to) const;
  // When to wake: the earliest due time, moved on to the last due time that
  // follows it within `batchMs`, so timers due close together fire in one go.
  std::optional<uint64_t> WakeTime(uint64_t batchMs) const;

 private:
  struct TEntry {
    ITimerClient* Client;
    uint64_t Period;
    uint64_t Due;
    uint64_t Order;
  };
  std::vector<TEntry> timers_;
  uint64_t nextOrder_ = 1;
};

}  // namespace zorn::platform
