#include "elements/counter.h"

namespace zorn {
namespace {

// 32-bit wrap-around, without the undefined behaviour of signed overflow.
int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t WrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

}  // namespace

void TZECounterEx::Next(TData& data, uint16_t) {
  if (!Direction) {
    count_ = WrapAdd(count_, Step);
    if (count_ > Max) {
      count_ = Min;
      FireNull(OnMax);
    }
  } else {
    count_ = WrapSub(count_, Step);
    if (count_ < Min) {
      count_ = Max;
      FireNull(OnMin);
    }
  }
  ForwardInt(data, OnCount, count_);
}

void TZECounterEx::Reset(TData& data, uint16_t) {
  count_ = Direction ? Max : Min;
  ForwardInt(data, OnReset, count_);
}

}  // namespace zorn
