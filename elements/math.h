// One arithmetic operation on two operands.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

enum TMathOperation : uint8_t {
  moAdd = 0,
  moSubtract = 1,
  moMultiply = 2,
  moDivide = 3,
};

class TZEMath : public TElement {
 public:
  uint8_t Operation = moAdd;
  // Default operands; 0 counts as absent, so that operand is taken from the
  // received record instead.
  double Op1 = 0.0;
  double Op2 = 0.0;
  // Results go out as Real; otherwise rounded to Int, ties to even.
  bool RealResult = false;
  // The result before the first Calc and after a division by zero.
  void SetDefault(double value);
  double Default() const { return default_; }
  TWire Op1Input;
  TWire Op2Input;

  // Reads Op1, then Op2, computes and calls OnResult with the result; a
  // division by zero instead calls OnError with Null. Both nested.
  void Calc(TData& data, uint16_t index);
  // The last result; Null after a division by zero.
  void Result(TData& data, uint16_t index);

  TWire OnResult;
  TWire OnError;

 private:
  // The result in the form it is sent.
  void MakeResult(TData& data) const;

  double default_ = 0.0;
  double result_ = 0.0;
  bool error_ = false;
};

}  // namespace zorn
