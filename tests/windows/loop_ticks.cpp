// The Win32 loop end to end: periodic window timers, a timer killed while its
// tick is overdue, posted tasks and quit, checked in the order they happened.
// Prints what it saw; the exit code is 0 only when it all came in order.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/event_loop.h"

using zorn::platform::ITimerClient;

namespace {

std::vector<std::string> seen;

class TClient : public ITimerClient {
 public:
  void OnTimerTick() override {
    ++Ticks;
    if (OnTick) OnTick();
  }
  int Ticks = 0;
  std::function<void()> OnTick;
};

void Print(const char* title, const std::vector<std::string>& items) {
  std::printf("%s:", title);
  for (const std::string& s : items) std::printf(" %s", s.c_str());
  std::printf("\n");
}

// Collapses the run of "fast" ticks into one entry; returns their number.
int CollapseFast(std::vector<std::string>& items) {
  int fast = 0;
  std::vector<std::string> out;
  for (const std::string& s : items) {
    if (s == "fast") {
      if (fast++ == 0) out.push_back("fast*");
    } else {
      out.push_back(s);
    }
  }
  items = out;
  return fast;
}

}  // namespace

int main() {
  std::unique_ptr<zorn::platform::TEventLoop> loop = zorn::platform::MakePlatformLoop();
  bool timedOut = false;

  TClient watchdog, fast, slow, once;
  watchdog.OnTick = [&] {
    timedOut = true;
    loop->Quit();
  };
  fast.OnTick = [&] { seen.push_back("fast"); };
  slow.OnTick = [&] {
    seen.push_back("slow");
    if (slow.Ticks == 1) {
      // Let fast fall due, then kill it: the overdue tick must not arrive.
      Sleep(60);
      loop->KillTimer(&fast);
      loop->Post([] { seen.push_back("task"); });
    } else if (slow.Ticks == 2) {
      loop->KillTimer(&slow);
      loop->Post([&] {
        seen.push_back("quit");
        loop->Quit();
      });
    }
  };

  loop->SetTimer(&watchdog, 10000);
  loop->Post([] { seen.push_back("posted"); });
  loop->SetTimer(&fast, 10);
  loop->SetTimer(&slow, 150);
  loop->Run();

  // A second run: the earlier quit is spent, and a restarted timer ticks anew.
  once.OnTick = [&] {
    seen.push_back("once");
    loop->KillTimer(&once);
    loop->Quit();
  };
  loop->SetTimer(&once, 500);
  loop->SetTimer(&once, 20);
  loop->Run();
  loop->KillTimer(&watchdog);

  Print("seen", seen);
  std::vector<std::string> order = seen;
  int fastTicks = CollapseFast(order);
  const std::vector<std::string> expected = {"posted", "fast*", "slow", "task", "slow", "quit",
                                             "once"};
  bool ok = !timedOut && order == expected && fastTicks >= 2 && once.Ticks == 1;
  if (!ok) {
    Print("expected", expected);
    Print("got", order);
    std::printf("fast ticks %d, once ticks %d, watchdog %s\n", fastTicks, once.Ticks,
                timedOut ? "fired" : "quiet");
  }
  std::printf("%s\n", ok ? "loop_ticks: ok" : "loop_ticks: FAILED");
  return ok ? 0 : 1;
}
