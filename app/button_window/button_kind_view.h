#pragma once

#include <array>

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// Shows the control of one kind and hides the other three. Action 0: the
// kind digit. Events 0 pulse, 1 toggle, 2 hold, 3 set-value button: Int 1
// show or Int 0 hide. A kind outside 0 to 3 hides all four.
class TClassMultiElement_ButtonKindView : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonKindView(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* kinds;
  std::array<TZEIf_else*, 4> isKind;
  std::array<TZEDoData*, 4> show;
  std::array<TZEDoData*, 4> hide;
};

}  // namespace zorn
