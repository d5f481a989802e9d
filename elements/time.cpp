#include "elements/time.h"

#include "runtime/data.h"
#include "runtime/text.h"

namespace zorn {
namespace {

std::string TwoDigits(int32_t n) { return (n >= 0 && n <= 9 ? "0" : "") + IntToStr(n); }

}  // namespace

std::string FormatTime(const std::string& format, const platform::TLocalTime& t) {
  const char* letters[] = {"Y", "M", "W", "D", "h", "m", "s"};
  const int32_t numbers[] = {t.Year, t.Month, t.DayOfWeek, t.Day, t.Hour, t.Minute, t.Second};
  // Inserted numbers are digits only, so a later letter never hits them.
  std::string text = format;
  for (int i = 0; i < 7; ++i) ReplaceAll(text, letters[i], TwoDigits(numbers[i]));
  return text;
}

void TZETime::Text(TData& data, uint16_t) { MakeStr(data, FormatTime(Format, platform::LocalTime())); }

}  // namespace zorn
