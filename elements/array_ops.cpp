#include "elements/array_ops.h"

#include <utility>

namespace zorn {

void TZEArrayRW::Read(TData& data, uint16_t) {
  TArrayIntf* array = ReadArray(Array);
  if (!array) return;
  TData at;
  ReadValue(data, IndexInput, &Index, at);
  TData value;
  if (!array->Get(array->Self, at, value)) return;
  CopyValue(item_, value);
  ForwardCopy(data, OnRead, item_);
}

void TZEArrayRW::Item(TData& data, uint16_t) { CopyValue(data, item_); }

void TZEArrayRW::Count(TData& data, uint16_t) {
  TArrayIntf* array = ReadArray(Array);
  if (array) MakeInt(data, array->Count(array->Self));
}

void TZEArrayEnum::Enum(TData& data, uint16_t) {
  stop_ = false;
  TArrayIntf* array = ReadArray(Array);
  if (!array) return;
  int32_t i = Reverse ? array->Count(array->Self) - 1 : 0;
  // The position lives in a local: an OnItem receiver may run a nested Enum
  // of this element, which rewrites index_ and item_.
  TData at;
  MakeInt(at, i);
  for (;;) {
    index_ = i;
    at.IntValue = i;
    TData value;
    if (!array->Get(array->Self, at, value)) break;
    CopyValue(value, value);  // detached from any chain
    item_ = value;
    // The item goes out as the fired copy itself.
    Fire(OnItem, value);
    i += Reverse ? -1 : 1;
    if (stop_) break;
  }
  bool stopped = stop_;
  stop_ = false;
  MakeNull(data);
  ForwardNull(data, stopped && FireOnStop ? OnStopped : OnEnd);
}

void TZEArrayEnum::Stop(TData&, uint16_t) { stop_ = true; }

void TZEArrayEnum::Item(TData& data, uint16_t) { CopyValue(data, item_); }

void TZEArrayEnum::Index(TData& data, uint16_t) { MakeInt(data, index_); }

}  // namespace zorn
