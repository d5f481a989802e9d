// Recent values and multi-value records: a ring of the latest values, a
// splitter of a chain into events, and a joiner of inputs into one chain.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// A fixed ring of the most recent values; Item0 is the newest.
class TZEMemFifo : public TElement {
 public:
  // Both refill every slot with Initial and put the write position on the
  // last slot; schemes set them once, at creation.
  void SetSize(int32_t size);
  void SetInitial(const TData& value);
  int32_t Size() const { return static_cast<int32_t>(slots_.size()); }
  TWire Data;

  // Stores the value read of Data (no default) in place of the oldest one
  // and forwards that oldest value to OnOut. With no slots does nothing.
  void Push(TData& data, uint16_t index);
  // Item0, Item1, …: the value pushed `index` pushes ago; Null past the ring.
  void Item(TData& data, uint16_t index);

  TWire OnOut;

 private:
  void Refill();

  std::vector<TData> slots_;
  TData initial_;
  size_t write_ = 0;
};

// Sends the values of a multi-value record on separate events.
class TZEMT_MultiData : public TElement {
 public:
  ~TZEMT_MultiData() override;
  // Values passed over before the first event.
  int32_t Skip = 0;
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(OnValue.size()); }
  TWire Data;

  // Takes a private copy of the chain read from Data (wired source, else the
  // received record, which is emptied), passes over Skip values and calls
  // OnValue[0], [1], … (nested) with one value each, while values last.
  void Split(TData& data, uint16_t index);

  // OnValue1, OnValue2, … of the element's contract.
  std::vector<TWire> OnValue;

 private:
  // The last split's values; the left-overs stay until the next Split.
  TData kept_;
};

// Joins the values of several inputs into one multi-value record.
class TzeMT_AddData : public TElement {
 public:
  // The fallback of every input when not Null.
  TData Default;
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(Values.size()); }
  // Value1, Value2, … of the element's contract.
  std::vector<TWire> Values;

  // Appends the chain read of every input in order (never the received
  // value; Null inputs add nothing) and calls OnResult (nested) with the
  // whole record, whose chain is released afterwards.
  void Join(TData& data, uint16_t index);

  TWire OnResult;
};

}  // namespace zorn
