// Hangs on purpose: the loop waits for a message that never comes.
#include <cstdio>

#include "platform/event_loop.h"

int main() {
  std::printf("loop_hangs: waiting\n");
  std::fflush(stdout);
  zorn::platform::MakePlatformLoop()->Run();
  return 0;
}
