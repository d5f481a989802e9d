// Value comparison and the two branching elements built on it.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

// Comparison modes of TZEIf_else (TZECase always uses Equal).
enum TCompareMode : uint8_t {
  cmEqual = 0,
  cmLess = 1,
  cmGreater = 2,
  cmLessOrEqual = 3,
  cmGreaterOrEqual = 4,
  cmNotEqual = 5,
};

// Compares a with b under `mode`; the kind of a decides how. Null a holds
// only for a Null b, in every mode. Int a: b as ToInt, signed. Str a: b as
// ToStr; equality is byte-exact, ordering is CompareTextAscii (only a-z
// folded), never numeric. Real a: b as ToReal. Any other kind of a, or an
// unknown mode, is false.
bool CompareValues(const TData& a, const TData& b, uint8_t mode);

// One arm of a value switch; arms are chained through OnElse.
class TZECase : public TElement {
 public:
  TData Value;
  TData Data;

  // Takes the first value of the received record and compares it for
  // equality with Value: on a match fires a copy of Data on OnMatch,
  // otherwise the whole received record, chain included, on OnElse (both
  // nested).
  void Test(TData& data, uint16_t index);

  TWire OnMatch;
  TWire OnElse;
};

// Compare and branch: the received record goes on unchanged to one side.
class TZEIf_else : public TElement {
 public:
  uint8_t Type = cmEqual;
  TData Op1;
  TData Op2;
  TWire Op1Input;
  TWire Op2Input;

  // Reads Op1, then Op2 (so unwired inputs with Null properties take the
  // first and second value of the received chain), and forwards the record
  // as it was received to OnTrue or OnFalse.
  void Compare(TData& data, uint16_t index);

  TWire OnTrue;
  TWire OnFalse;

 private:
  // Compare with the operands read as records.
  void CompareRead(TData& data);
};

}  // namespace zorn
