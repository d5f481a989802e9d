// A bounded counter that wraps around.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

class TZECounterEx : public TElement {
 public:
  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Step = 0;
  // Set: Next counts down; cleared: up.
  bool Direction = false;
  // The starting count.
  void SetValue(int32_t value) { count_ = value; }
  int32_t Value() const { return count_; }

  // Moves the count by Step; passing Max (counting up) or Min (counting down)
  // wraps it to the other bound and calls OnMax or OnMin (nested, Null)
  // first. Then forwards the count to OnCount.
  void Next(TData& data, uint16_t index);
  // The count becomes Min (counting up) or Max (counting down) and is
  // forwarded to OnReset.
  void Reset(TData& data, uint16_t index);

  TWire OnCount;
  TWire OnReset;
  TWire OnMax;
  TWire OnMin;

 private:
  int32_t count_ = 0;
};

}  // namespace zorn
