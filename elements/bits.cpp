#include "elements/bits.h"

#include <algorithm>
#include <cmath>

namespace zorn {

void TZEIntToBits::SetCount(int32_t count) { OnBit.resize(std::max(count, 0)); }

void TZEIntToBits::Split(TData& data, uint16_t) {
  uint32_t v = static_cast<uint32_t>(ReadInt(data, Value, 0));
  for (size_t i = 0; i < OnBit.size(); ++i) {
    bool set = (v >> (i % 32)) & 1u;
    if (!set && !SendZeros) continue;
    TData bit;
    CopyValue(bit, set ? OneValue : ZeroValue);
    Fire(OnBit[i], bit);
  }
}

void TZEBitsToInt::SetCount(int32_t count) { Bits.resize(std::max(count, 0)); }

void TZEBitsToInt::Join(TData& data, uint16_t) {
  double sum = 0.0;
  for (size_t i = 0; i < Bits.size(); ++i) {
    if (ReadInt(data, Bits[i], 0) != 0) sum += std::ldexp(1.0, static_cast<int>(i));
  }
  if (sum <= 4294967295.0) {
    ForwardInt(data, OnResult, static_cast<int32_t>(static_cast<uint32_t>(sum)));
  } else {
    MakeReal(data, sum);
    ForwardTo(data, OnResult);
  }
}

}  // namespace zorn
