// Rates without a termios code (74880 for one) go through Linux's termios2.
// Its header clashes with <termios.h>, so this file includes only it.
#include <cstdint>

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace zorn::platform::serial {

#ifdef __linux__

bool SetCustomSpeed(int fd, uint32_t baud) {
  termios2 t{};
  if (ioctl(fd, TCGETS2, &t) != 0) return false;
  t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
  t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
  t.c_ispeed = baud;
  t.c_ospeed = baud;
  return ioctl(fd, TCSETS2, &t) == 0;
}

bool DriverSpeed(int fd, uint32_t& baud) {
  termios2 t{};
  if (ioctl(fd, TCGETS2, &t) != 0) return false;
  baud = t.c_ospeed;
  return true;
}

#else

// Other systems offer the standard rates only.
bool SetCustomSpeed(int, uint32_t) { return false; }
bool DriverSpeed(int, uint32_t&) { return false; }

#endif

}  // namespace zorn::platform::serial
