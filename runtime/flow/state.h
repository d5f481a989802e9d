// Elements that keep a value between calls: a two-state switch and a memory.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

// A toggle between two values.
class TZESwitch : public TElement {
 public:
  TData DataOn;
  TData DataOff;
  TWire DataOnInput;
  TWire DataOffInput;
  // true: starts off holding the DataOff property; false: on, holding
  // DataOn. Set after DataOn and DataOff.
  void SetStartOff(bool startOff);

  // Flips the state and takes the new state's value (its input, else its
  // property, else the head of the received record); fires it on OnToggle
  // (nested), then forwards it to OnOn or OnOff.
  void Toggle(TData& data, uint16_t index);
  // Toggle, only when off.
  void SwitchOn(TData& data, uint16_t index);
  // Toggle, only when on.
  void SwitchOff(TData& data, uint16_t index);
  // The current value.
  void Value(TData& data, uint16_t index);

  TWire OnToggle;
  TWire OnOn;
  TWire OnOff;

  uint8_t State = 0;  // 1 on, 0 off
  TData Current;
};

// A remembered value with a default to return to.
class TZEMemory : public TElement {
 public:
  // Sets Default and makes it the current value.
  void SetDefault(const TData& value);
  const TData& Default() const { return default_; }
  TWire Data;

  // Current = the value read from Data (or the head of the received record);
  // forwards a copy of it to OnChange.
  void Write(TData& data, uint16_t index);
  // Current = Default; forwards a copy of it to OnChange.
  void Clear(TData& data, uint16_t index);
  // The current value.
  void Value(TData& data, uint16_t index);

  TWire OnChange;

  TData Current;

 private:
  TData default_;
};

}  // namespace zorn
