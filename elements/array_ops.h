// Readers of an array interface: one item by index, and every item in turn.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

// Reads one item of an array by index.
class TZEArrayRW : public TElement {
 public:
  // The default index; Null unless the scheme sets it.
  TData Index;
  TWire Array;
  TWire IndexInput;

  // Reads Array (none: nothing happens), then the index (value read, default
  // Index). A valid index makes the item the element's Item and forwards a
  // copy of it to OnRead; an invalid one fires nothing and keeps Item.
  void Read(TData& data, uint16_t index);
  // The last item read; Null before the first successful Read.
  void Item(TData& data, uint16_t index);
  // The array's item count as Int; without an array the record is untouched.
  void Count(TData& data, uint16_t index);

  TWire OnRead;

 private:
  TData item_;
};

// Sends every item of an array, forward or backward, and can be stopped.
class TZEArrayEnum : public TElement {
 public:
  bool Reverse = false;
  // A stopped enumeration ends with OnStopped instead of OnEnd.
  bool FireOnStop = false;
  TWire Array;

  // Calls OnItem (nested) with a copy of each item until the array runs out
  // or a Stop arrives, then forwards Null to OnEnd or OnStopped. Without an
  // array nothing is fired.
  void Enum(TData& data, uint16_t index);
  // Asks the running enumeration to end after the current OnItem returns.
  void Stop(TData& data, uint16_t index);
  // A copy of the current item.
  void Item(TData& data, uint16_t index);
  // The current index as Int.
  void Index(TData& data, uint16_t index);

  TWire OnItem;
  TWire OnEnd;
  TWire OnStopped;

 private:
  TData item_;
  int32_t index_ = 0;
  bool stop_ = false;
};

}  // namespace zorn
