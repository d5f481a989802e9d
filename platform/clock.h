// Local time, and the day arithmetic of dates.
#pragma once

#include <cstdint>
#include <functional>

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

// Now, in the machine's local time zone (Win32: GetLocalTime), or what the
// source installed with SetLocalTimeSource answers.
TLocalTime LocalTime();
// The system's answer, whatever source is installed.
TLocalTime SystemLocalTime();
// Tests: `source` answers LocalTime from now on, so that the program's
// dates follow the virtual clock; an empty function returns to the system.
void SetLocalTimeSource(std::function<TLocalTime()> source);

// Days since 1970-01-01 of a date of the Gregorian calendar (negative
// before it), and back: the date, with its day of the week, at midnight.
int64_t DayNumber(int32_t year, int32_t month, int32_t day);
TLocalTime DateOfDayNumber(int64_t dayNumber);
// Days in the month, 0 for a month outside 1 to 12.
int32_t DaysInMonth(int32_t year, int32_t month);

}  // namespace zorn::platform
