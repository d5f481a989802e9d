#include "runtime/flow/hub.h"

namespace zorn {

void TZEHub::SetOutCount(uint8_t count) { Outputs.resize(count); }

void TZEHub::Distribute(TData& data, uint16_t) {
  // Nothing fires before dispatch is live, and an unwired output would fire
  // nothing: neither gets a copy.
  if (!detail::g_dispatchLive) return;
  for (const TWire& out : Outputs) {
    if (!out.Wired()) continue;
    TData copy = data;
    detail::DispatchWired(&out, copy);
  }
}

void TZEDoData::Emit(TData& data, uint16_t) {
  // Emptied first so that an unwired input with a Null property cannot take
  // the triggering value as its fallback.
  MakeNull(data);
  TData value;
  ReadValue(data, DataInput, &Data, value);
  ForwardCopy(data, OnEmit, value);
}

}  // namespace zorn
