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
  void Kill(ITimerClient* client);
  bool Contains(const ITimerClient* client) const;
  // The earliest due time, if any timer is set.
  std::optional<uint64_t> NextDue() const;
  // The client of the earliest timer due at or before `now` (ties: the one set
  // first), rescheduled one period later; nullptr when none is due.
  ITimerClient* PopDue(uint64_t now);
  bool Empty() const { return timers_.empty(); }

 private:
  struct TEntry {
    ITimerClient* Client;
    uint64_t Period;
    uint64_t Due;
    uint64_t Order;
  };
  std::vector<TEntry> timers_;
  uint64_t nextOrder_ = 0;
};

}  // namespace zorn::platform
