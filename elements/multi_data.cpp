#include "elements/multi_data.h"

#include <algorithm>

namespace zorn {

void TZEMemFifo::SetSize(int32_t size) {
  slots_.resize(std::max(size, 0));
  Refill();
}

void TZEMemFifo::SetInitial(const TData& value) {
  CopyValue(initial_, value);
  Refill();
}

void TZEMemFifo::Refill() {
  for (TData& slot : slots_) CopyValue(slot, initial_);
  write_ = slots_.empty() ? 0 : slots_.size() - 1;
}

void TZEMemFifo::Push(TData& data, uint16_t) {
  if (slots_.empty()) return;
  write_ = (write_ + slots_.size() - 1) % slots_.size();
  TData out = slots_[write_];
  TData value;
  ReadValue(data, Data, nullptr, value);
  CopyValue(slots_[write_], value);
  ForwardCopy(data, OnOut, out);
}

void TZEMemFifo::Item(TData& data, uint16_t index) {
  if (index >= slots_.size()) {
    MakeNull(data);
    return;
  }
  CopyValue(data, slots_[(write_ + index) % slots_.size()]);
}

TZEMT_MultiData::~TZEMT_MultiData() { FreeChain(kept_); }

void TZEMT_MultiData::SetCount(int32_t count) { OnValue.resize(std::max(count, 0)); }

void TZEMT_MultiData::Split(TData& data, uint16_t) {
  TData read;
  ReadChain(data, Data, nullptr, read);
  // The values are walked in a chain of this call's own; only afterwards do
  // they replace the kept ones. A receiver may run a nested Split of this
  // element, which would otherwise release the nodes being walked.
  TData values;
  CopyChain(values, read);
  const TData* current = &values;
  auto advance = [&current] {
    current = (current->Kind != dtNull) ? current->Next : nullptr;
  };
  for (int32_t i = 0; i < Skip && current; ++i) advance();
  for (const TWire& event : OnValue) {
    if (!current || current->Kind == dtNull) break;
    TData one;
    CopyValue(one, *current);
    Fire(event, one);
    advance();
  }
  FreeChain(kept_);
  kept_ = values;
}

void TzeMT_AddData::SetCount(int32_t count) { Values.resize(std::max(count, 0)); }

void TzeMT_AddData::Join(TData& data, uint16_t) {
  MakeNull(data);
  for (const TWire& input : Values) {
    // The received record is never a source: every read falls back to an
    // empty record instead.
    TData none;
    TData value;
    ReadChain(none, input, &Default, value);
    AppendChain(data, value);
  }
  // The receivers get a copy of the head, so that one consuming the chain
  // cannot hide nodes from the release below.
  FireCopy(OnResult, data);
  FreeChain(data);
}

}  // namespace zorn
