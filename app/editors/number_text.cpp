#include "app/editors/number_text.h"

#include <algorithm>

namespace zorn {

bool IsDecimalIn(const std::string& text, int64_t min, int64_t max) {
  size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (i == text.size()) return false;
  const bool negative = text[0] == '-';
  // The magnitude stops growing past the widest bound, so any run of digits
  // is read without overflow.
  const uint64_t limit = static_cast<uint64_t>(std::max(max, -min)) + 1;
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    if (magnitude <= limit) magnitude = magnitude * 10 + static_cast<uint64_t>(text[i] - '0');
  }
  if (magnitude > limit) return false;
  const int64_t value = static_cast<int64_t>(magnitude);
  if (negative) return -value >= min && -value <= max;
  return value >= min && value <= max;
}

void TZEDecimalCheck::Check(TData& data, uint16_t) {
  TData received = data;
  const std::string text = ReadStr(data, Text, std::string());
  ForwardCopy(data, IsDecimalIn(text, Min, Max) ? OnValid : OnInvalid, received);
}

}  // namespace zorn
