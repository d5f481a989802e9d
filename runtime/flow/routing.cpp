#include "runtime/flow/routing.h"

#include <algorithm>

namespace zorn {

void TZEIndexToChanel::SetCount(int32_t count) { Channels.resize(std::max(count, 0)); }

void TZEIndexToChanel::Route(TData& data, uint16_t) {
  int32_t channel = ReadInt(data, Index, 0);
  TData value;
  ReadValue(data, DataInput, &Data, value);
  data = value;
  if (channel >= 0 && channel < Count()) ForwardTo(data, Channels[channel]);
}

void TZEChanelToIndex::Select(TData& data, uint16_t index) { ForwardInt(data, OnIndex, index); }

void TZEGetIndexData::SetCount(int32_t count) {
  Inputs.resize(std::max(count, 0));
  Selected = -1;
}

void TZEGetIndexData::SetIndex(TData& data, uint16_t) {
  int32_t i = ToInt(data);
  Selected = (i >= 0 && i < Count()) ? i : -1;
  ForwardInt(data, OnIndex, i);
}

void TZEGetIndexData::Value(TData& data, uint16_t) {
  if (Selected < 0) {
    MakeNull(data);
  } else {
    ReadThrough(Inputs[Selected], data);
  }
}

}  // namespace zorn
