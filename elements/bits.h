// Converters between an integer and its bits as separate events or inputs.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// Sends each bit of an integer on its own event.
class TZEIntToBits : public TElement {
 public:
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(OnBit.size()); }
  // Sent for a set bit and, with SendZeros, for a clear one.
  TData OneValue;
  TData ZeroValue;
  bool SendZeros = false;
  TWire Value;

  // Reads Value as an integer (no default) and calls OnBit[i] (nested) for
  // bit i mod 32, lowest bit first.
  void Split(TData& data, uint16_t index);

  // OnBit0, OnBit1, … of the element's contract.
  std::vector<TWire> OnBit;
};

// Joins bit inputs into an integer.
class TZEBitsToInt : public TElement {
 public:
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(Bits.size()); }
  // Bit0, Bit1, … of the element's contract; any non-zero integer is a 1.
  std::vector<TWire> Bits;

  // Reads every bit input in order as an integer (no default) and forwards
  // the sum to OnResult: as Int (low 32 bits) up to 2^32 - 1, else as Real.
  void Join(TData& data, uint16_t index);

  TWire OnResult;
};

}  // namespace zorn
