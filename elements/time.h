// TZETime: the local date and time as text.
#pragma once

#include <string>

#include "platform/clock.h"
#include "runtime/wire.h"

namespace zorn {

// Replaces, in this order, every "Y", "M", "W", "D", "h", "m", "s" of `format`
// by year, month, day of week, day, hour, minute and second, each with at
// least two digits. Digits once inserted are never replaced again.
std::string FormatTime(const std::string& format, const platform::TLocalTime& time);

class TZETime : public TElement {
 public:
  std::string Format;

  // Data output: the local time at the moment of the read, by Format.
  void Text(TData& data, uint16_t index);
};

}  // namespace zorn
