#include "platform/clock.h"

#include <ctime>

namespace zorn::platform {

TLocalTime SystemLocalTime() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return TLocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_wday, t.tm_mday,
                    t.tm_hour, t.tm_min, t.tm_sec};
}

}  // namespace zorn::platform
