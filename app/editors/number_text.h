// Numbers that a record keeps as the text the operator sees: the record
// holds "007" when the field shows "007", and a text the controller or the
// window would read as another number is refused instead of being wrapped.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

// Whether `text` is an optional "+" or "-" and then one or more digits 0-9,
// nothing else (leading zeros allowed, no "$" or "0x"), standing for a
// number from `min` to `max` (bounds within ±2^62).
bool IsDecimalIn(const std::string& text, int64_t min, int64_t max);

// TZEDecimalCheck: passes a text on only when it is a decimal number in
// range. The signed 32-bit range by default: the controller's int blocks
// take a decimal number, and the program reads numbers into 32 bits.
class TZEDecimalCheck : public TElement {
 public:
  int64_t Min = INT32_MIN;
  int64_t Max = INT32_MAX;
  TWire Text;

  // Reads Text (unwired: the head of the received record) and forwards the
  // record as it was received to OnValid or OnInvalid.
  void Check(TData& data, uint16_t index);

  TWire OnValid;
  TWire OnInvalid;
};

}  // namespace zorn
