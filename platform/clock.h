// Local time.
#pragma once

#include <cstdint>

namespace zorn::platform {

// The seven numbers of a local date and time.
struct TLocalTime {
  int32_t Year = 0;
  int32_t Month = 0;      // 1 to 12
  int32_t DayOfWeek = 0;  // 0 Sunday to 6 Saturday
  int32_t Day = 0;        // 1 to 31
  int32_t Hour = 0;       // 0 to 23
  int32_t Minute = 0;
  int32_t Second = 0;
};

// Now, in the machine's local time zone (Win32: GetLocalTime).
TLocalTime LocalTime();

}  // namespace zorn::platform
