// The poll-period scheme on the virtual clock.
#include <memory>

#include "link/poll_timer.h"
#include "platform/virtual_loop.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using PollTimer = TClassMultiElement_PollTimer;

class PollTimerTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    platform::SetEventLoop(&loop);
    host = std::make_unique<TZEMultiElement>();
    host->SetEventCount(1);
    host->SetFactory(&SchemeFactory<TClassMultiElement_PollTimer>);
    host->Events[PollTimer::OnPoll] = MakeWire(0, &TProbe::Take, &polls);
  }
  void TearDown() override {
    host.reset();  // its timer leaves the loop it runs on
    platform::SetEventLoop(nullptr);
    RuntimeTest::TearDown();
  }
  void SetPeriod(TData value) { CopyValue(TZEGlobalVar::Variable("time_refresh"), value); }
  void Send(int32_t v) {
    FireInt(MakeWire(PollTimer::Poll, &TZEMultiElement::Action, host.get()), v);
  }
  TZETimer& Timer() {
    return *static_cast<TClassMultiElement_PollTimer*>(host->Child->Scheme)->timer;
  }

  platform::TVirtualLoop loop;
  std::unique_ptr<TZEMultiElement> host;
  TProbe polls;
};

TData Int(int32_t i) {
  TData d;
  MakeInt(d, i);
  return d;
}

TEST_F(PollTimerTest, PollsEveryPeriodUntilStopped) {
  SetPeriod(Int(2));
  Send(1);
  EXPECT_EQ(Timer().Interval(), 2000);
  loop.Advance(1999);
  EXPECT_TRUE(polls.Seen.empty());
  loop.Advance(1);
  EXPECT_EQ(polls.Seen, std::vector<std::string>{"str ref"});
  loop.Advance(4000);
  EXPECT_EQ(polls.Seen.size(), 3u);

  Send(0);
  loop.Advance(10000);
  EXPECT_EQ(polls.Seen.size(), 3u);
}

TEST_F(PollTimerTest, NonPositivePeriodIgnoresStartAndStop) {
  Send(1);  // "time_refresh" is still Null: not greater than 0
  loop.Advance(10000);
  EXPECT_TRUE(polls.Seen.empty());
  EXPECT_FALSE(Timer().Enabled());

  SetPeriod(Int(1));
  Send(1);
  SetPeriod(Int(0));
  Send(0);  // ignored: the timer keeps running
  loop.Advance(3000);
  EXPECT_EQ(polls.Seen.size(), 3u);
  EXPECT_EQ(Timer().Interval(), 1000) << "the period is only taken on a start";
}

TEST_F(PollTimerTest, FractionalPeriodRoundsToMilliseconds) {
  TData period;
  MakeReal(period, 0.0125);  // 12.5 ms rounds to even: 12
  SetPeriod(period);
  Send(1);
  EXPECT_EQ(Timer().Interval(), 12);

  MakeStr(period, "1.5");
  SetPeriod(period);
  Send(1);
  EXPECT_EQ(Timer().Interval(), 1500);
  loop.Advance(1500);
  EXPECT_EQ(polls.Seen.size(), 1u) << "a new period restarts the timer";
}

TEST_F(PollTimerTest, APeriodOfWeeksNeverFloodsTheController) {
  TData period;
  MakeInt(period, 2147484);  // seconds: × 1000 no longer fits 32 bits
  SetPeriod(period);
  Send(1);
  loop.Advance(60000);
  EXPECT_TRUE(polls.Seen.empty());
  EXPECT_EQ(Timer().Interval(), 0x7FFFFFFF);
}

}  // namespace
}  // namespace zorn::test
