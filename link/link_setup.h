// Property settings that the link schemes repeat for many of their elements.
#pragma once

#include <cstdint>

#include "runtime/flow/hub.h"
#include "runtime/flow/timer.h"

namespace zorn::link_setup {

// A timer that fires once, `ms` after each start; created stopped.
inline void OneShot(TZETimer& t, int32_t ms) {
  t.SetInterval(ms);
  t.SetEnabled(false);
  t.SetAutoStop(1);
}

// An emitter of the integer i.
inline void IntValue(TZEDoData& d, int32_t i) { MakeInt(d.Data, i); }

// A hub with one input and `count` outputs.
inline void Outputs(TZEHub& h, uint8_t count) {
  h.InCount = 1;
  h.SetOutCount(count);
}

}  // namespace zorn::link_setup
