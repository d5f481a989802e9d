#include "elements/change_mon.h"

namespace zorn {

bool SameValue(const TData& a, const TData& b) {
  if (a.Kind != b.Kind) return false;
  switch (a.Kind) {
    case dtNull: return true;
    case dtInt: return a.IntValue == b.IntValue;
    case dtStr: return a.StrValue.str() == b.StrValue.str();
    case dtReal: return a.RealValue == b.RealValue;
    default: return false;
  }
}

void TZEChangeMon::Check(TData& data, uint16_t) {
  TData value;
  ReadValue(data, DataInput, nullptr, value);
  data = value;
  if (SameValue(value, remembered_)) {
    ForwardTo(data, OnSame);
  } else {
    remembered_ = value;
    ForwardTo(data, OnChange);
  }
}

void TZEEventFromData::Forward(TData& data, uint16_t) {
  Fire(OnEvent, data);
  CopyValue(data, Reply);
}

}  // namespace zorn
