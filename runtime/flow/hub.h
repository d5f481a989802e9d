// Fan-out and fixed-value emission.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// Hands the received value to every output in turn.
class TZEHub : public TElement {
 public:
  // Number of input points the scheme may wire; every one leads to Distribute.
  uint8_t InCount = 0;
  void SetOutCount(uint8_t count);
  uint8_t OutCount() const { return static_cast<uint8_t>(Outputs.size()); }

  // Fires a private copy of the received record on Outputs[0], [1], … in
  // order, each call complete before the next; the chain itself is shared.
  void Distribute(TData& data, uint16_t index);

  std::vector<TWire> Outputs;
};

// Emits its own value, never the one it was triggered with.
class TZEDoData : public TElement {
 public:
  TData Data;
  TWire DataInput;

  // Empties the received record, reads Data (wired source or property) and
  // forwards the result to OnEmit.
  void Emit(TData& data, uint16_t index);

  TWire OnEmit;
};

}  // namespace zorn
