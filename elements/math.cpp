#include "elements/math.h"

namespace zorn {

void TZEMath::SetDefault(double value) {
  default_ = value;
  result_ = value;
}

void TZEMath::Calc(TData& data, uint16_t) {
  double a = ReadReal(data, Op1Input, Op1);
  double b = ReadReal(data, Op2Input, Op2);
  error_ = false;
  switch (Operation) {
    case moAdd: result_ = a + b; break;
    case moSubtract: result_ = a - b; break;
    case moMultiply: result_ = a * b; break;
    case moDivide:
      if (b == 0.0) {
        error_ = true;
        result_ = default_;
        FireNull(OnError);
        return;
      }
      result_ = a / b;
      break;
    default:
      // An unknown operation passes the first operand through.
      result_ = a;
      break;
  }
  TData out;
  MakeResult(out);
  Fire(OnResult, out);
}

void TZEMath::Result(TData& data, uint16_t) {
  if (error_) {
    MakeNull(data);
  } else {
    MakeResult(data);
  }
}

void TZEMath::MakeResult(TData& data) const {
  if (RealResult) {
    MakeReal(data, result_);
  } else {
    MakeInt(data, RoundToInt(result_));
  }
}

}  // namespace zorn
