// The popup of the log table. Host action 0 takes the button of a press on
// the table; a right press fires host event 0 10 ms later, once the table's
// selection has moved to the row under the mouse.
#pragma once

#include "runtime/flow/routing.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventTableMouse : public TClassMultiBase {
 public:
  TClassMultiElement_EventTableMouse(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEIndexToChanel* button;  // 0 left, 1 right
  TZETimer* delay;
};

}  // namespace zorn
