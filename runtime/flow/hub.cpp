#include "runtime/flow/hub.h"

namespace zorn {

void TZEHub::SetOutCount(uint8_t count) { Outputs.resize(count); }

void TZEHub::Distribute(TData& data, uint16_t) {
  // An unwired output would fire nothing: it gets no copy.
  for (const TWire& out : Outputs) {
    if (out.Wired()) FireCopy(out, data);
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
