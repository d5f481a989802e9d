#include "runtime/flow/compare.h"

#include <string>

#include "runtime/text.h"

namespace zorn {
namespace {

// x against y under `mode`, with the operators of T (for doubles a NaN
// operand makes every mode but "not equal" false).
template <class T>
bool Holds(uint8_t mode, const T& x, const T& y) {
  switch (mode) {
    case cmEqual: return x == y;
    case cmLess: return x < y;
    case cmGreater: return x > y;
    case cmLessOrEqual: return x <= y;
    case cmGreaterOrEqual: return x >= y;
    case cmNotEqual: return x != y;
    default: return false;
  }
}

}  // namespace

bool CompareValues(const TData& a, const TData& b, uint8_t mode) {
  switch (a.Kind) {
    case dtNull:
      return b.Kind == dtNull;
    case dtInt:
      return Holds(mode, a.IntValue, ToInt(b));
    case dtReal:
      return Holds(mode, a.RealValue, ToReal(b));
    case dtStr: {
      const std::string& x = a.StrValue.str();
      std::string y = ToStr(b);
      // Equality is byte-exact; only the ordering folds a-z.
      if (mode == cmEqual || mode == cmNotEqual) return Holds(mode, x, y);
      return Holds(mode, CompareTextAscii(x, y), 0);
    }
    default:
      return false;
  }
}

void TZECase::Test(TData& data, uint16_t) {
  TData received = data;
  TData head;
  ReadValue(data, TWire{}, nullptr, head);
  if (CompareValues(head, Value, cmEqual)) {
    TData out;
    CopyValue(out, Data);
    Fire(OnMatch, out);
  } else {
    Fire(OnElse, received);
  }
}

void TZEIf_else::Compare(TData& data, uint16_t) {
  TData received = data;
  TData a, b;
  ReadValue(data, Op1Input, &Op1, a);
  ReadValue(data, Op2Input, &Op2, b);
  ForwardCopy(data, CompareValues(a, b, Type) ? OnTrue : OnFalse, received);
}

}  // namespace zorn
