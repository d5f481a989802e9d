#include "elements/array_ops.h"

#include <utility>

namespace zorn {
namespace {

// Item i of an array that lends no texts into `item`, detached from any
// chain; false, with `item` untouched, when there is none.
bool GetItem(const TArrayIntf& array, int32_t i, TData& item) {
  TData at, value;
  MakeInt(at, i);
  if (!array.Get(array.Self, at, value)) return false;
  CopyValue(item, value);
  return true;
}

}  // namespace

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
  // The direction and the operations of the interface stay as they are
  // for the whole run: read once.
  const int32_t step = Reverse ? -1 : 1;
  const auto lendText = array->LendText;
  // The position lives in a local: an OnItem receiver may run a nested Enum
  // of this element, which rewrites index_ and item_.
  for (;;) {
    index_ = i;
    if (lendText) {
      // A list that lends its texts is read without an index record and a
      // call of Get, and the fired record is made straight from the text.
      const TStr* text = lendText(array->Self, i);
      if (!text) break;
      TData value{.Kind = dtStr, .StrValue = *text};
      MakeStr(item_, value.StrValue);
      Fire(OnItem, value);
    } else {
      if (!GetItem(*array, i, item_)) break;
      TData value = item_;
      Fire(OnItem, value);
    }
    i += step;
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
