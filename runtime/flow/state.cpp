#include "runtime/flow/state.h"

namespace zorn {

void TZESwitch::SetStartOff(bool startOff) {
  State = startOff ? 0 : 1;
  CopyValue(Current, startOff ? DataOff : DataOn);
}

void TZESwitch::Toggle(TData& data, uint16_t) {
  State = State ? 0 : 1;
  const TWire* target;
  if (State) {
    ReadValue(data, DataOnInput, &DataOn, Current);
    target = &OnOn;
  } else {
    ReadValue(data, DataOffInput, &DataOff, Current);
    target = &OnOff;
  }
  CopyValue(data, Current);
  Fire(OnToggle, data);
  // The receivers of OnToggle may have changed or consumed the record.
  CopyValue(data, Current);
  ForwardTo(data, *target);
}

void TZESwitch::SwitchOn(TData& data, uint16_t index) {
  if (!State) Toggle(data, index);
}

void TZESwitch::SwitchOff(TData& data, uint16_t index) {
  if (State) Toggle(data, index);
}

void TZESwitch::Value(TData& data, uint16_t) { CopyValue(data, Current); }

void TZEMemory::SetDefault(const TData& value) {
  CopyValue(default_, value);
  Current = default_;
}

void TZEMemory::Write(TData& data, uint16_t) {
  ReadValue(data, Data, nullptr, Current);
  ForwardCopy(data, OnChange, Current);
}

void TZEMemory::Clear(TData& data, uint16_t) {
  Current = default_;
  ForwardCopy(data, OnChange, Current);
}

void TZEMemory::Value(TData& data, uint16_t) { CopyValue(data, Current); }

}  // namespace zorn
