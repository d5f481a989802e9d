// Routing by index: value to one of N channels, channel to its index, and
// one of N data inputs selected by index.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// Passes a value on to the channel its index names.
class TZEIndexToChanel : public TElement {
 public:
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(Channels.size()); }
  TData Data;
  TWire DataInput;
  TWire Index;

  // Reads the channel number from Index (default 0), then the value from
  // Data, in that order, so unwired inputs take the first and the second
  // value of the received chain. The record becomes the value; it is
  // forwarded to Channels[i] when i is in range, else nothing is fired.
  void Route(TData& data, uint16_t index);

  std::vector<TWire> Channels;
};

// Reports which of its channel actions was called.
class TZEChanelToIndex : public TElement {
 public:
  // Number of channel actions offered to the scheme, all of them Select.
  int32_t Count = 0;

  // Forwards Int `index` (the calling wire's index) to OnIndex; the received
  // value is dropped.
  void Select(TData& data, uint16_t index);

  TWire OnIndex;
};

// Answers with the data input chosen by the last SetIndex.
class TZEGetIndexData : public TElement {
 public:
  // Sizes Inputs and clears the selection.
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(Inputs.size()); }
  std::vector<TWire> Inputs;

  // Selects input ToInt(record) when in range, else none; forwards the
  // index to OnIndex either way.
  void SetIndex(TData& data, uint16_t index);
  // Null with no selection; otherwise the selected input read through, so an
  // unwired candidate answers NoSource.
  void Value(TData& data, uint16_t index);

  TWire OnIndex;
  int32_t Selected = -1;
};

}  // namespace zorn
