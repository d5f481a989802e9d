#include "runtime/flow/timer.h"

namespace zorn {
namespace {

constexpr int32_t kDefaultPeriodMs = 1000;

// No timer may tick faster than its period asks: a non-positive period is
// the default one, as at creation, never "as fast as the loop allows".
uint32_t LoopPeriod(int32_t ms) { return ms > 0 ? static_cast<uint32_t>(ms) : kDefaultPeriodMs; }

}  // namespace

TZETimer::~TZETimer() {
  if (enabled_) platform::EventLoop().KillTimer(this);
}

void TZETimer::SetInterval(int32_t ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (enabled_) platform::EventLoop().SetTimer(this, LoopPeriod(interval_));
}

void TZETimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) {
    platform::EventLoop().SetTimer(this, LoopPeriod(interval_));
  } else {
    platform::EventLoop().KillTimer(this);
  }
}

void TZETimer::SetAutoStop(int32_t ticks) {
  autoStop_ = ticks;
  Remaining = ticks;
}

void TZETimer::Start(TData&, uint16_t) {
  Remaining = autoStop_;
  SetEnabled(true);
}

void TZETimer::Stop(TData&, uint16_t) { StopAndReport(); }

void TZETimer::SetInterval(TData& data, uint16_t) {
  // A period past what the platform timer takes (a poll period of weeks in
  // seconds × 1000) is clamped to the longest one, instead of wrapping to a
  // negative number of milliseconds.
  if (ToReal(data) >= static_cast<double>(platform::kLongestTimerPeriodMs)) {
    SetInterval(static_cast<int32_t>(platform::kLongestTimerPeriodMs));
    return;
  }
  SetInterval(ToInt(data));
}

void TZETimer::StopAndReport() {
  SetEnabled(false);
  FireNull(OnStop);
}

void TZETimer::OnTimerTick() {
  // A tick that arrives while OnTimer of an earlier one still runs returns at
  // once; when missed ticks are kept it stays counted and the outer tick
  // replays it below.
  if (++reentry_ > 1) {
    if (!KeepMissedTicks) --reentry_;
    return;
  }
  do {
    if (Remaining >= 0) --Remaining;
    bool dueToStop = Remaining == 0;
    FireNull(OnTimer);
    if (dueToStop) {
      reentry_ = 0;
      StopAndReport();
    }
    if (reentry_ > 0) --reentry_;
  } while (reentry_ != 0);
}

}  // namespace zorn
