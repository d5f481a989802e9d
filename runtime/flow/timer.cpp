#include "runtime/flow/timer.h"

namespace zorn {
namespace {

// A non-positive period ticks as fast as the loop allows.
uint32_t LoopPeriod(int32_t ms) { return ms > 0 ? static_cast<uint32_t>(ms) : 0; }

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

void TZETimer::SetInterval(TData& data, uint16_t) { SetInterval(ToInt(data)); }

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
