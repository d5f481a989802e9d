#include "platform/clock.h"

#include <windows.h>

namespace zorn::platform {

TLocalTime SystemLocalTime() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return TLocalTime{t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace zorn::platform
