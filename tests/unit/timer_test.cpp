// The timer element on the virtual clock.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/virtual_loop.h"
#include "runtime/flow/timer.h"

namespace zorn {
namespace {

// Journals the timer's events with the virtual time they came at.
class TTimerProbe : public TElement {
 public:
  explicit TTimerProbe(platform::TVirtualLoop& loop) : loop_(loop) {}
  void Tick(TData& data, uint16_t) {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    journal.push_back("tick@" + std::to_string(loop_.Now()) + (data.Kind == dtNull ? "" : "!"));
    if (onTick) onTick();
    --depth;
  }
  void Stopped(TData& data, uint16_t) {
    journal.push_back("stop@" + std::to_string(loop_.Now()) + (data.Kind == dtNull ? "" : "!"));
  }
  void Attach(TZETimer& timer) {
    timer.OnTimer = MakeWire(0, &TTimerProbe::Tick, this);
    timer.OnStop = MakeWire(0, &TTimerProbe::Stopped, this);
  }
  int Ticks() const {
    int n = 0;
    for (const std::string& s : journal) n += s.rfind("tick", 0) == 0;
    return n;
  }

  std::vector<std::string> journal;
  std::function<void()> onTick;
  int depth = 0;
  int maxDepth = 0;

 private:
  platform::TVirtualLoop& loop_;
};

using Journal = std::vector<std::string>;

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEventLoop(&loop);
    StartLiveDispatch();
    probe.Attach(timer);
  }
  void TearDown() override {
    timer.SetEnabled(false);  // unregister while the virtual loop is installed
    ResetDispatchForTests();
    platform::SetEventLoop(nullptr);
  }
  void Call(void (TZETimer::*action)(TData&, uint16_t), TData d = TData{}) {
    // Wired with index 1 as the schemes do for Stop; the timer ignores it.
    Fire(MakeWire(1, action, &timer), d);
  }

  platform::TVirtualLoop loop;
  TZETimer timer;  // destroyed before the loop
  TTimerProbe probe{loop};
};

TEST_F(TimerTest, AutoStopGivesExactlyNTicksThenStop) {
  timer.SetInterval(100);
  timer.SetAutoStop(3);
  Call(&TZETimer::Start);
  loop.Advance(1000);
  EXPECT_EQ(probe.journal, (Journal{"tick@100", "tick@200", "tick@300", "stop@300"}));
  EXPECT_FALSE(loop.TimerRunning(&timer));
  EXPECT_FALSE(timer.Enabled());

  // Start re-arms the count.
  probe.journal.clear();
  Call(&TZETimer::Start);
  loop.Advance(1000);
  EXPECT_EQ(probe.journal, (Journal{"tick@1100", "tick@1200", "tick@1300", "stop@1300"}));
}

TEST_F(TimerTest, AutoStopZeroRunsUntilStopped) {
  timer.SetInterval(100);
  Call(&TZETimer::Start);
  loop.Advance(1000);
  EXPECT_EQ(probe.Ticks(), 10);
  EXPECT_EQ(timer.Remaining, -1);
  Call(&TZETimer::Stop);
  loop.Advance(1000);
  EXPECT_EQ(probe.Ticks(), 10);
  EXPECT_EQ(probe.journal.back(), "stop@1000");
}

TEST_F(TimerTest, StopWhileStoppedStillFiresOnStop) {
  Call(&TZETimer::Stop);
  Call(&TZETimer::Stop);
  EXPECT_EQ(probe.journal, (Journal{"stop@0", "stop@0"}));
  EXPECT_FALSE(loop.TimerRunning(&timer));
}

TEST_F(TimerTest, NewIntervalRestartsARunningTimer) {
  EXPECT_EQ(timer.Interval(), 1000);
  Call(&TZETimer::Start);
  loop.Advance(700);
  TData d;
  MakeInt(d, 500);
  Call(&TZETimer::SetInterval, d);
  loop.Advance(1000);
  // One full new period after the change, not at the old 1000 grid.
  EXPECT_EQ(probe.journal, (Journal{"tick@1200", "tick@1700"}));
}

TEST_F(TimerTest, NoPeriodEverTicksFasterThanItAsks) {
  // A non-positive period ticks as the default one does.
  TData d;
  for (int32_t period : {0, -5}) {
    MakeInt(d, period);
    Call(&TZETimer::SetInterval, d);
    Call(&TZETimer::Start);
    probe.journal.clear();
    loop.Advance(2500);
    EXPECT_EQ(probe.Ticks(), 2) << period;
    Call(&TZETimer::Stop);
  }
  // A period beyond the platform timer, as a real (poll seconds × 1000) or
  // as text, is the longest one: no tick for weeks.
  MakeReal(d, 2147484.0 * 1000.0);
  Call(&TZETimer::SetInterval, d);
  EXPECT_EQ(timer.Interval(), 0x7FFFFFFF);
  MakeStr(d, "99999999999");
  Call(&TZETimer::SetInterval, d);
  EXPECT_EQ(timer.Interval(), 0x7FFFFFFF);
  probe.journal.clear();
  Call(&TZETimer::Start);
  loop.Advance(20ull * 24 * 3600 * 1000);
  EXPECT_EQ(probe.Ticks(), 0);
  loop.Advance(5ull * 24 * 3600 * 1000);
  EXPECT_EQ(probe.Ticks(), 1);
}

TEST_F(TimerTest, SameIntervalChangesNothing) {
  Call(&TZETimer::Start);
  loop.Advance(700);
  TData d;
  MakeStr(d, "1000");
  Call(&TZETimer::SetInterval, d);
  loop.Advance(400);
  EXPECT_EQ(probe.journal, (Journal{"tick@1000"}));
}

TEST_F(TimerTest, IntervalSetWhileStoppedDoesNotStart) {
  TData d;
  MakeInt(d, 50);
  Call(&TZETimer::SetInterval, d);
  EXPECT_FALSE(loop.TimerRunning(&timer));
  loop.Advance(200);
  EXPECT_TRUE(probe.journal.empty());
  Call(&TZETimer::Start);
  loop.Advance(100);
  EXPECT_EQ(probe.journal, (Journal{"tick@250", "tick@300"}));
}

TEST_F(TimerTest, EnabledPropertyStartsWithoutEvents) {
  timer.SetInterval(100);
  timer.SetAutoStop(2);  // also sets Remaining, so no Start is needed
  timer.SetEnabled(true);
  EXPECT_TRUE(loop.TimerRunning(&timer));
  loop.Advance(500);
  EXPECT_EQ(probe.journal, (Journal{"tick@100", "tick@200", "stop@200"}));
  timer.SetEnabled(true);
  timer.SetEnabled(false);
  EXPECT_EQ(probe.journal.size(), 3u) << "the property fires nothing";
  EXPECT_FALSE(loop.TimerRunning(&timer));
}

TEST_F(TimerTest, StartWhileRunningKeepsThePeriodGrid) {
  timer.SetInterval(100);
  Call(&TZETimer::Start);
  loop.Advance(150);
  timer.SetAutoStop(1);
  Call(&TZETimer::Start);
  loop.Advance(100);
  EXPECT_EQ(probe.journal, (Journal{"tick@100", "tick@200", "stop@200"}));
}

TEST_F(TimerTest, DestructionRemovesThePlatformTimer) {
  auto other = std::make_unique<TZETimer>();
  other->SetInterval(10);
  other->SetEnabled(true);
  const platform::ITimerClient* key = other.get();
  EXPECT_TRUE(loop.TimerRunning(key));
  other.reset();
  EXPECT_FALSE(loop.TimerRunning(key));
  loop.Advance(100);  // would tick a destroyed element
}

// A handler that runs a nested loop (as a modal dialog does) while further
// ticks of its own timer come due.
TEST_F(TimerTest, MissedTicksReplayedWhenKept) {
  timer.SetInterval(100);
  timer.KeepMissedTicks = true;
  Call(&TZETimer::Start);
  bool nested = false;
  probe.onTick = [&] {
    if (nested) return;
    nested = true;
    loop.Advance(250);  // ticks at 200 and 300 arrive inside the handler
  };
  loop.Advance(100);
  EXPECT_EQ(probe.Ticks(), 3);
  EXPECT_EQ(probe.maxDepth, 1) << "replayed ticks run after the handler, not inside it";
}

TEST_F(TimerTest, MissedTicksDroppedByDefault) {
  timer.SetInterval(100);
  Call(&TZETimer::Start);
  bool nested = false;
  probe.onTick = [&] {
    if (nested) return;
    nested = true;
    loop.Advance(250);
  };
  loop.Advance(100);
  EXPECT_EQ(probe.Ticks(), 1);
  EXPECT_EQ(probe.maxDepth, 1);
  // The timer goes on normally afterwards, from where the nested loop left
  // the clock (350): ticks at 400 to 800.
  loop.Advance(500);
  EXPECT_EQ(loop.Now(), 850u);
  EXPECT_EQ(probe.Ticks(), 6);
}

TEST_F(TimerTest, ReentryCounterWithDirectTicks) {
  // Ticks delivered straight to the timer, as a platform loop would deliver
  // them from inside the handler.
  timer.KeepMissedTicks = true;
  timer.SetAutoStop(0);
  Call(&TZETimer::Start);
  platform::ITimerClient& client = timer;
  int calls = 0;
  probe.onTick = [&] {
    if (++calls == 1) {
      client.OnTimerTick();
      client.OnTimerTick();
    }
  };
  client.OnTimerTick();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(probe.maxDepth, 1);
  // The counter is back at rest: one more tick gives one more event.
  client.OnTimerTick();
  EXPECT_EQ(calls, 4);

  timer.KeepMissedTicks = false;
  calls = 0;
  client.OnTimerTick();
  EXPECT_EQ(calls, 1) << "both nested ticks are dropped";
}

TEST_F(TimerTest, AutoStopDiscardsKeptTicks) {
  timer.KeepMissedTicks = true;
  timer.SetAutoStop(2);
  Call(&TZETimer::Start);
  platform::ITimerClient& client = timer;
  int calls = 0;
  probe.onTick = [&] {
    if (++calls == 1) {
      client.OnTimerTick();
      client.OnTimerTick();
      client.OnTimerTick();
    }
  };
  client.OnTimerTick();
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(probe.journal.back(), "stop@0");
  EXPECT_FALSE(loop.TimerRunning(&timer));
  client.OnTimerTick();
  EXPECT_EQ(calls, 3) << "a late tick after the stop still counts from rest";
}

}  // namespace
}  // namespace zorn
