// The program's local time on the virtual clock: a chosen date and time
// that moves on as the loop's clock moves, so that a test logs rows on the
// days it picks and crosses midnight without waiting. Installed as the
// source of platform::LocalTime for the life of the object.
#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "platform/virtual_loop.h"

namespace zorn::test {

class TVirtualCalendar {
 public:
  explicit TVirtualCalendar(platform::TVirtualLoop& loop) : loop_(loop) {
    platform::SetLocalTimeSource([this] { return Now(); });
  }
  ~TVirtualCalendar() { platform::SetLocalTimeSource(nullptr); }
  TVirtualCalendar(const TVirtualCalendar&) = delete;
  TVirtualCalendar& operator=(const TVirtualCalendar&) = delete;

  // From now on the clock reads this date and time, and moves on with the
  // loop.
  void Set(int32_t year, int32_t month, int32_t day, int32_t hour = 12, int32_t minute = 0,
           int32_t second = 0) {
    seconds_ = platform::DayNumber(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    setAtMs_ = loop_.Now();
  }

  platform::TLocalTime Now() const {
    int64_t seconds = seconds_ + static_cast<int64_t>((loop_.Now() - setAtMs_) / 1000);
    int64_t day = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
      rest += 86400;
      --day;
    }
    platform::TLocalTime t = platform::DateOfDayNumber(day);
    t.Hour = static_cast<int32_t>(rest / 3600);
    t.Minute = static_cast<int32_t>(rest / 60 % 60);
    t.Second = static_cast<int32_t>(rest % 60);
    return t;
  }

 private:
  platform::TVirtualLoop& loop_;
  int64_t seconds_ = platform::DayNumber(2026, 12, 7) * 86400 + 12 * 3600;
  uint64_t setAtMs_ = 0;
};

}  // namespace zorn::test
