// The Win32 loop end to end: periodic window timers, a timer killed while its
// tick is overdue, posted tasks and quit, checked in the order they happened;
// then timers due close together, or started out of step, sharing wake-ups.
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

// Timers a (200 ms), b (50 ms, started 5 ms later: its ticks come 5 ms after
// each of a's) and c (600 ms, started out of step) run for a while. Every
// wake-up posts a marker "|", which runs before the next timer message, so
// the log shows which ticks came in one wake-up. Each of a's and c's ticks
// must share its wake-up with another timer.
bool SharedWakeUps(zorn::platform::TEventLoop& loop) {
  std::vector<std::string> log;
  bool marked = false;
  TClient a, b, c, stop;
  auto tick = [&](const char* name) {
    log.push_back(name);
    if (marked) return;
    marked = true;
    loop.Post([&] {
      log.push_back("|");
      marked = false;
    });
  };
  a.OnTick = [&] { tick("a"); };
  b.OnTick = [&] { tick("b"); };
  c.OnTick = [&] { tick("c"); };
  stop.OnTick = [&] { loop.Quit(); };
  loop.SetTimer(&a, 200);
  Sleep(5);
  loop.SetTimer(&b, 50);
  Sleep(70);
  loop.SetTimer(&c, 600);
  loop.SetTimer(&stop, 2000);
  loop.Run();
  for (TClient* t : {&a, &b, &c, &stop}) loop.KillTimer(t);

  Print("wake-ups", log);
  bool ok = a.Ticks >= 5 && c.Ticks >= 2;
  std::vector<std::string> wake;
  for (const std::string& s : log) {
    if (s != "|") {
      wake.push_back(s);
      continue;
    }
    bool lone = wake.size() == 1 && wake[0] != "b";
    if (lone) std::printf("%s woke up alone\n", wake[0].c_str());
    ok = ok && !lone;
    wake.clear();
  }
  return ok;
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
  bool shared = SharedWakeUps(*loop);

  Print("seen", seen);
  std::vector<std::string> order = seen;
  int fastTicks = CollapseFast(order);
  const std::vector<std::string> expected = {"posted", "fast*", "slow", "task", "slow", "quit",
                                             "once"};
  bool ok = !timedOut && order == expected && fastTicks >= 2 && once.Ticks == 1 && shared;
  if (!ok) {
    Print("expected", expected);
    Print("got", order);
    std::printf("fast ticks %d, once ticks %d, watchdog %s\n", fastTicks, once.Ticks,
                timedOut ? "fired" : "quiet");
  }
  std::printf("%s\n", ok ? "loop_ticks: ok" : "loop_ticks: FAILED");
  return ok ? 0 : 1;
}
