#include "runtime/flow/compare.h"

#include <string>
#include <utility>

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

// The ordering of two texts, a-z folded; kept out of line so that the
// equality test of CompareTexts stays small where it is inlined.
[[gnu::noinline]] bool OrderTexts(const std::string& x, const std::string& y, uint8_t mode) {
  return Holds(mode, CompareTextAscii(x, y), 0);
}

// Two texts, shared (TStr) or not: equality is byte-exact; only the
// ordering folds a-z.
template <class Text>
inline bool CompareTexts(const Text& x, const Text& y, uint8_t mode) {
  if (mode == cmEqual) return x == y;
  if (mode == cmNotEqual) return !(x == y);
  return OrderTexts(x, y, mode);
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
    case dtStr:
      // A Str b is compared in place; others are converted first.
      if (b.Kind == dtStr) return CompareTexts(a.StrValue, b.StrValue, mode);
      return CompareTexts(a.StrValue.str(), ToStr(b), mode);
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

namespace {

// The value read of one operand, in two steps, so that the received record
// is copied only when an operand falls back to it. AskSource: the wired
// source's answer, true unless it is NoSource.
inline bool AskSource(const TWire& wire, TData& answer) {
  if (!wire.Wired()) return false;
  ReadRaw(wire, answer);
  return answer.Kind != dtNoSource;
}

// Without an answer: the default when it is not Null, else the head of the
// received record, which is consumed.
void FallBack(TData& data, const TData& def, TData& operand) {
  if (def.Kind != dtNull) {
    CopyValue(operand, def);
  } else if (data.Kind == dtNull) {
    MakeNull(operand);
  } else {
    CopyValue(operand, data);
    if (data.Next) {
      data = *data.Next;
    } else {
      MakeNull(data);
    }
  }
}

// CompareValues with the common case, two texts tested for (in)equality,
// done in place.
inline bool Decide(const TData& a, const TData& b, uint8_t mode) {
  if (a.Kind == dtStr && b.Kind == dtStr && (mode == cmEqual || mode == cmNotEqual)) {
    return (a.StrValue == b.StrValue) == (mode == cmEqual);
  }
  return CompareValues(a, b, mode);
}

}  // namespace

void TZEIf_else::Compare(TData& data, uint16_t) {
  // Two sources that lend their texts answer Str, and are compared without
  // reading a record of either.
  const TStr* x = BorrowText(Op1Input);
  const TStr* y = x ? BorrowText(Op2Input) : nullptr;
  if (y) {
    ForwardTo(data, CompareTexts(*x, *y, Type) ? OnTrue : OnFalse);
  } else {
    CompareRead(data);
  }
}

void TZEIf_else::CompareRead(TData& data) {
  // Both sources are asked first, in the order Op1, Op2; falling back takes
  // nothing from a source, so the order of the reads is that of two value
  // reads.
  TData a, b;
  const bool answeredA = AskSource(Op1Input, a);
  const bool answeredB = AskSource(Op2Input, b);
  if (answeredA && answeredB) {
    ForwardTo(data, Decide(a, b, Type) ? OnTrue : OnFalse);
    return;
  }
  TData received = data;
  if (!answeredA) FallBack(data, Op1, a);
  if (!answeredB) FallBack(data, Op2, b);
  const TWire& out = Decide(a, b, Type) ? OnTrue : OnFalse;
  data = std::move(received);
  ForwardTo(data, out);
}

}  // namespace zorn
