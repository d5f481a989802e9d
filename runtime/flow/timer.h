// The periodic timer element, ticking on the event loop's thread.
#pragma once

#include <cstdint>

#include "platform/event_loop.h"
#include "runtime/wire.h"

namespace zorn {

class TZETimer : public TElement, public platform::ITimerClient {
 public:
  ~TZETimer() override;

  // Period in milliseconds (1000 until set; a non-positive one ticks every
  // 1000 ms). A new period restarts a running timer, so the next tick comes
  // one full period later; the same period changes nothing.
  void SetInterval(int32_t ms);
  int32_t Interval() const { return interval_; }
  // Starts or stops the platform timer without firing anything.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  // Ticks after which the timer stops itself, 0 for never; also sets Remaining.
  void SetAutoStop(int32_t ticks);
  int32_t AutoStop() const { return autoStop_; }
  // Whether ticks arriving while OnTimer still runs (a nested message loop in
  // a handler) are replayed after it returns, or dropped.
  bool KeepMissedTicks = false;

  // Remaining = AutoStop, then enables the timer (a running one goes on as
  // it was).
  void Start(TData& data, uint16_t index);
  // Disables the timer and fires Null on OnStop, also when already stopped.
  void Stop(TData& data, uint16_t index);
  // The period becomes ToInt of the received record, or the longest period
  // the platform takes when the record's number is beyond it.
  void SetInterval(TData& data, uint16_t index);

  TWire OnTimer;
  TWire OnStop;

  // Ticks left before the auto-stop; −1 once an AutoStop of 0 has ticked.
  int32_t Remaining = 0;

  // One tick of the platform timer: fires OnTimer, stops at the auto-stop.
  void OnTimerTick() override;

 private:
  void StopAndReport();

  int32_t reentry_ = 0;
  int32_t interval_ = 1000;
  bool enabled_ = false;
  int32_t autoStop_ = 0;
};

}  // namespace zorn
