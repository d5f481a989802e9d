// The portable part of the clock: the replaceable source of LocalTime and
// the civil-day arithmetic (days from and to 1970-01-01, proleptic
// Gregorian calendar).
#include "platform/clock.h"

#include <utility>

namespace zorn::platform {
namespace {

std::function<TLocalTime()>& Source() {
  static std::function<TLocalTime()> source;
  return source;
}

bool LeapYear(int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

TLocalTime LocalTime() { return Source() ? Source()() : SystemLocalTime(); }

void SetLocalTimeSource(std::function<TLocalTime()> source) { Source() = std::move(source); }

int32_t DaysInMonth(int32_t year, int32_t month) {
  static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// Counted in eras of 400 years from 0000-03-01, so that the leap day ends
// each counted year.
int64_t DayNumber(int32_t year, int32_t month, int32_t day) {
  int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yearOfEra = y - era * 400;
  int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

TLocalTime DateOfDayNumber(int64_t dayNumber) {
  int64_t z = dayNumber + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t dayOfEra = z - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t mp = (5 * dayOfYear + 2) / 153;
  TLocalTime t;
  t.Day = static_cast<int32_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
  t.Month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
  t.Year = static_cast<int32_t>(yearOfEra + era * 400 + (t.Month <= 2 ? 1 : 0));
  // 1970-01-01 was a Thursday.
  int64_t weekDay = (dayNumber + 4) % 7;
  t.DayOfWeek = static_cast<int32_t>(weekDay < 0 ? weekDay + 7 : weekDay);
  return t;
}

}  // namespace zorn::platform
