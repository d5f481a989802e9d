// TZEChangeMon tells a changed value from a repeated one; TZEEventFromData
// passes an event on and answers it with a fixed value.
#pragma once

#include "runtime/wire.h"

namespace zorn {

class TZEChangeMon : public TElement {
 public:
  // Property: the remembered value at creation.
  void SetInitial(const TData& value) { CopyValue(remembered_, value); }
  TWire DataInput;

  // Reads the value (the received head when unwired) and forwards it to
  // OnSame when it equals the remembered one, else remembers it and forwards
  // it to OnChange.
  void Check(TData& data, uint16_t index);

  TWire OnChange;
  TWire OnSame;

 private:
  TData remembered_;
};

// Same kind and same Null, Int, Str (byte for byte) or Real value; values of
// other kinds are never equal.
bool SameValue(const TData& a, const TData& b);

class TZEEventFromData : public TElement {
 public:
  TData Reply;

  // Calls OnEvent with the received record, then leaves a copy of Reply in
  // it as the answer for the element that fired.
  void Forward(TData& data, uint16_t index);

  TWire OnEvent;
};

}  // namespace zorn
