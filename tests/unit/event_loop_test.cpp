// The timer queue, the virtual-clock loop and this platform's real loop.
#include <sys/resource.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/event_loop.h"
#include "platform/timer_queue.h"
#include "platform/virtual_loop.h"

namespace zorn::platform {
namespace {

// A timer client that logs "name@time" for each tick and then runs OnTick.
class TClock : public ITimerClient {
 public:
  TClock(std::string name, std::vector<std::string>& log, std::function<uint64_t()> now)
      : name_(std::move(name)), log_(log), now_(std::move(now)) {}
  void OnTimerTick() override {
    ++Ticks;
    log_.push_back(name_ + "@" + std::to_string(now_()));
    if (OnTick) OnTick();
  }
  int Ticks = 0;
  std::function<void()> OnTick;

 private:
  std::string name_;
  std::vector<std::string>& log_;
  std::function<uint64_t()> now_;
};

using TLog = std::vector<std::string>;

TEST(TimerQueueTest, PopsDueTimersEarliestFirstAndReschedulesThem) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; }), b("b", log, [] { return 0; });
  q.Set(&a, 30, 0);
  q.Set(&b, 20, 0);
  EXPECT_EQ(q.NextDue(), 20u);
  EXPECT_EQ(q.PopDue(19), nullptr);
  EXPECT_EQ(q.PopDue(30), &b);  // due at 20, next at 40
  EXPECT_EQ(q.PopDue(30), &a);  // due at 30, next at 60
  EXPECT_EQ(q.PopDue(30), nullptr);
  EXPECT_EQ(q.NextDue(), 40u);
  q.Kill(&b);
  EXPECT_FALSE(q.Contains(&b));
  EXPECT_EQ(q.NextDue(), 60u);
  q.Kill(&a);
  EXPECT_TRUE(q.Empty());
  EXPECT_EQ(q.NextDue(), std::nullopt);
}

TEST(TimerQueueTest, LateLoopDropsMissedTicksInsteadOfBursting) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; });
  q.Set(&a, 10, 0);
  EXPECT_EQ(q.PopDue(35), &a);
  EXPECT_EQ(q.PopDue(35), nullptr);
  EXPECT_EQ(q.NextDue(), 45u);
}

TEST(TimerQueueTest, ZeroPeriodCountsAsOneMillisecond) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; });
  q.Set(&a, 0, 100);
  EXPECT_EQ(q.NextDue(), 101u);
}

TEST(TimerQueueTest, TickNearFindsTheEarliestTickOfAnyTimerInTheWindow) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; }), b("b", log, [] { return 0; });
  EXPECT_EQ(q.TickNear(500, 600), 500u);  // no timers: the asked time
  q.Set(&a, 200, 0);                      // ticks at 200, 400, 600, ...
  EXPECT_EQ(q.TickNear(384, 450), 400u);
  EXPECT_EQ(q.TickNear(400, 450), 400u);  // a tick on the window's edge
  EXPECT_EQ(q.TickNear(401, 599), 401u);  // none inside
  EXPECT_EQ(q.TickNear(401, 600), 600u);
  EXPECT_EQ(q.TickNear(100, 300), 200u);  // the first tick itself
  q.Start(&b, 1000, 450);                 // ticks at 450, 1450, ...
  EXPECT_EQ(q.TickNear(401, 600), 450u);
  EXPECT_EQ(q.TickNear(1401, 1500), 1450u);
}

TEST(TimerQueueTest, WakeTimeWaitsForTimersDueShortlyAfterTheFirst) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; }), b("b", log, [] { return 0; }),
      c("c", log, [] { return 0; });
  EXPECT_EQ(q.WakeTime(16), std::nullopt);
  q.Start(&a, 200, 200);
  q.Start(&b, 200, 203);
  q.Start(&c, 600, 230);
  EXPECT_EQ(q.WakeTime(16), 203u);  // a and b in one go, c on its own
  EXPECT_EQ(q.WakeTime(0), 200u);
  EXPECT_EQ(q.WakeTime(30), 230u);
  // All that a wake-up at that time pops, earliest first.
  EXPECT_EQ(q.PopDue(203), &a);
  EXPECT_EQ(q.PopDue(203), &b);
  EXPECT_EQ(q.PopDue(203), nullptr);
}

TEST(TimerQueueTest, StartCountTellsARestartFromTheStartBefore) {
  TTimerQueue q;
  TLog log;
  TClock a("a", log, [] { return 0; });
  EXPECT_EQ(q.StartCount(&a), 0u);
  q.Set(&a, 100, 0);
  uint64_t first = q.StartCount(&a);
  EXPECT_NE(first, 0u);
  EXPECT_EQ(q.PopDue(100), &a);  // a tick is no restart
  EXPECT_EQ(q.StartCount(&a), first);
  q.Set(&a, 100, 100);
  EXPECT_NE(q.StartCount(&a), first);
  q.Kill(&a);
  EXPECT_EQ(q.StartCount(&a), 0u);
}

class VirtualLoopTest : public ::testing::Test {
 protected:
  TClock Clock(const std::string& name) {
    return TClock(name, log, [this] { return loop.Now(); });
  }
  TVirtualLoop loop;
  TLog log;
};

TEST_F(VirtualLoopTest, TicksRunInTimeOrderAndTiesInSetOrder) {
  TClock a = Clock("a"), b = Clock("b"), c = Clock("c");
  loop.SetTimer(&a, 30);
  loop.SetTimer(&b, 20);
  loop.SetTimer(&c, 60);
  loop.Advance(60);
  EXPECT_EQ(log, (TLog{"b@20", "a@30", "b@40", "a@60", "b@60", "c@60"}));
  EXPECT_EQ(loop.Now(), 60u);
}

TEST_F(VirtualLoopTest, TickAtTheEndOfAnAdvanceRunsAndSplitAdvancesAgree) {
  TClock a = Clock("a");
  loop.SetTimer(&a, 10);
  loop.Advance(9);
  EXPECT_TRUE(log.empty());
  loop.Advance(1);
  EXPECT_EQ(log, TLog{"a@10"});
  for (int i = 0; i < 7; ++i) loop.Advance(3);  // 31
  EXPECT_EQ(log, (TLog{"a@10", "a@20", "a@30"}));
  EXPECT_EQ(loop.Now(), 31u);
}

TEST_F(VirtualLoopTest, RestartPutsTheNextTickOneFullPeriodAhead) {
  TClock a = Clock("a"), b = Clock("b");
  loop.SetTimer(&a, 10);
  loop.SetTimer(&b, 10);
  loop.Advance(15);
  loop.SetTimer(&a, 10);  // restarted at 15: a now comes after b at 20? no, at 25
  loop.Advance(15);
  EXPECT_EQ(log, (TLog{"a@10", "b@10", "b@20", "a@25", "b@30"}));
  // A restart with the same due time as another timer orders it last.
  log.clear();
  loop.SetTimer(&a, 10);  // now 30: a due 40, b due 40, a set later
  loop.Advance(10);
  EXPECT_EQ(log, (TLog{"b@40", "a@40"}));
}

TEST_F(VirtualLoopTest, HandlersKillAndSetTimersDuringTicks) {
  TClock a = Clock("a"), b = Clock("b"), c = Clock("c");
  // a kills b, which is due at the same moment, and starts c.
  a.OnTick = [&] {
    if (a.Ticks == 2) {
      loop.KillTimer(&b);
      loop.SetTimer(&c, 5);
    }
  };
  // c stops itself on its second tick.
  c.OnTick = [&] {
    if (c.Ticks == 2) loop.KillTimer(&c);
  };
  loop.SetTimer(&a, 10);
  loop.SetTimer(&b, 10);
  loop.Advance(100);
  EXPECT_EQ(log, (TLog{"a@10", "b@10", "a@20", "c@25", "a@30", "c@30", "a@40", "a@50", "a@60",
                       "a@70", "a@80", "a@90", "a@100"}));
  EXPECT_FALSE(loop.TimerRunning(&b));
  EXPECT_FALSE(loop.TimerRunning(&c));
  EXPECT_TRUE(loop.TimerRunning(&a));
}

TEST_F(VirtualLoopTest, HandlerRestartingItselfMovesItsOwnGrid) {
  TClock a = Clock("a");
  a.OnTick = [&] {
    if (a.Ticks == 1) loop.SetTimer(&a, 25);
  };
  loop.SetTimer(&a, 10);
  loop.Advance(60);
  EXPECT_EQ(log, (TLog{"a@10", "a@35", "a@60"}));
}

TEST_F(VirtualLoopTest, PostedTasksRunBeforeTheNextTickEvenAtTheSameTime) {
  TClock a = Clock("a"), b = Clock("b");
  a.OnTick = [&] {
    loop.Post([&] {
      log.push_back("task");
      loop.Post([&] { log.push_back("nested"); });
    });
  };
  loop.SetTimer(&a, 10);
  loop.SetTimer(&b, 10);
  loop.Post([&] { log.push_back("first"); });
  EXPECT_TRUE(log.empty());  // nothing runs before the loop is driven
  loop.Advance(10);
  EXPECT_EQ(log, (TLog{"first", "a@10", "task", "nested", "b@10"}));
}

TEST_F(VirtualLoopTest, RunPendingRunsTasksWithoutMovingTheClock) {
  TClock a = Clock("a");
  loop.SetTimer(&a, 1);
  int runs = 0;
  loop.Post([&] { ++runs; loop.Post([&] { ++runs; }); });
  loop.RunPending();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(loop.Now(), 0u);
  EXPECT_TRUE(log.empty());
}

TEST_F(VirtualLoopTest, RunMovesFromTimerToTimerUntilQuit) {
  TClock a = Clock("a"), b = Clock("b");
  a.OnTick = [&] {
    if (a.Ticks == 3) loop.Quit();
  };
  loop.SetTimer(&a, 1000);
  loop.SetTimer(&b, 400);
  loop.Run();
  EXPECT_EQ(log, (TLog{"b@400", "b@800", "a@1000", "b@1200", "b@1600", "a@2000", "b@2000",
                       "b@2400", "b@2800", "a@3000"}));
  EXPECT_EQ(loop.Now(), 3000u);

  // Quit is spent: a second Run goes on, and a posted Quit ends it.
  loop.KillTimer(&a);
  log.clear();
  b.OnTick = [&] { loop.Post([&] { loop.Quit(); }); };
  loop.Run();
  EXPECT_EQ(log, TLog{"b@3200"});
}

TEST_F(VirtualLoopTest, RunReturnsAtOnceWithNothingToDo) {
  int runs = 0;
  loop.Post([&] { ++runs; });
  loop.Run();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(loop.Now(), 0u);
}

TEST(EventLoopSelectionTest, InstalledLoopReplacesThePlatformLoop) {
  TEventLoop& own = EventLoop();
  EXPECT_EQ(&own, &EventLoop());
  TVirtualLoop virt;
  SetEventLoop(&virt);
  EXPECT_EQ(&EventLoop(), &virt);
  SetEventLoop(nullptr);
  EXPECT_EQ(&EventLoop(), &own);
  EXPECT_EQ(dynamic_cast<TVirtualLoop*>(&own), nullptr);
}

// The real loop, with short periods. Every test has a watchdog timer that
// quits the loop and fails the test instead of hanging it.
class PlatformLoopTest : public ::testing::Test, public ITimerClient {
 protected:
  void SetUp() override { loop->SetTimer(this, 5000); }
  void OnTimerTick() override {
    ADD_FAILURE() << "watchdog: the loop did not finish";
    loop->Quit();
  }
  // Process CPU time in milliseconds.
  static double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
  }
  uint64_t Elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - start)
        .count();
  }

  std::unique_ptr<TEventLoop> loop = MakePlatformLoop();
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  TLog log;
};

TEST_F(PlatformLoopTest, PeriodicTicksKillAndPostInOrder) {
  TClock fast("fast", log, [] { return 0; }), slow("slow", log, [] { return 0; });
  // slow kills fast at its first tick, posts a task, and quits at its third.
  slow.OnTick = [&] {
    if (slow.Ticks == 1) {
      loop->KillTimer(&fast);
      loop->Post([&] { log.push_back("task"); });
    }
    if (slow.Ticks == 3) loop->Quit();
  };
  loop->SetTimer(&fast, 4);
  loop->SetTimer(&slow, 30);
  loop->Run();
  ASSERT_EQ(slow.Ticks, 3);
  // fast ticked before slow's first tick (a loaded machine may drop some of
  // its ticks), never after it.
  EXPECT_GE(fast.Ticks, 1);
  TLog expected(fast.Ticks, "fast@0");
  expected.insert(expected.end(), {"slow@0", "task", "slow@0", "slow@0"});
  EXPECT_EQ(log, expected);
  EXPECT_GE(Elapsed(), 90u);  // ticks never come early
}

TEST_F(PlatformLoopTest, PostedTasksRunBeforeTimersAndQuitFromATaskEndsRun) {
  TClock a("a", log, [] { return 0; });
  loop->SetTimer(&a, 1);
  loop->Post([&] {
    log.push_back("task");
    loop->Post([&] { loop->Quit(); });
  });
  loop->Run();
  EXPECT_EQ(log, TLog{"task"});
  // Quit is spent: the loop runs again until quit anew.
  a.OnTick = [&] { loop->Quit(); };
  loop->Run();
  EXPECT_EQ(log, (TLog{"task", "a@0"}));
}

TEST_F(PlatformLoopTest, RestartDelaysTheNextTick) {
  TClock a("a", log, [] { return 0; }), restarter("r", log, [] { return 0; });
  // Restarting a every 10 ms keeps its 200 ms period from ever expiring.
  restarter.OnTick = [&] {
    loop->SetTimer(&a, 200);
    if (restarter.Ticks == 15) loop->Quit();
  };
  loop->SetTimer(&a, 200);
  loop->SetTimer(&restarter, 10);
  loop->Run();
  EXPECT_EQ(a.Ticks, 0);
  EXPECT_EQ(restarter.Ticks, 15);
}

TEST_F(PlatformLoopTest, WaitingForATimerSleepsInsteadOfSpinning) {
  TClock a("a", log, [] { return 0; });
  a.OnTick = [&] { loop->Quit(); };
  loop->SetTimer(&a, 200);
  double cpu = CpuMs();
  loop->Run();
  EXPECT_GE(Elapsed(), 200u);
  EXPECT_LT(CpuMs() - cpu, 100.0);
}

}  // namespace
}  // namespace zorn::platform
