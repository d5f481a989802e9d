#pragma once

#include <array>

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// Shows the control of one kind and hides the other three. Kind: the kind
// digit. Each event, in the order of the kinds, carries Int 1 show or Int 0
// hide. A kind outside 0 to 3 hides all four.
class TClassMultiElement_ButtonKindView : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonKindView(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Kind = 0 };
  enum Event : uint16_t { OnPulse = 0, OnToggle = 1, OnHold = 2, OnSetValue = 3 };

  TZEEditMulti* boundary;
  TZEHub* kinds;
  std::array<TZEIf_else*, 4> isKind;
  std::array<TZEDoData*, 4> show;
  std::array<TZEDoData*, 4> hide;
};

}  // namespace zorn
