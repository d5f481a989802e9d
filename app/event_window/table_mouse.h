// The popup of the log table. Press takes the button of a press on the
// table; a right press fires OnPopup 10 ms later, once the table's
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

  // Host points.
  enum Action : uint16_t { Press = 0 };
  enum Event : uint16_t { OnPopup = 0 };

  TZEEditMulti* boundary;
  TZEIndexToChanel* button;  // 0 left, 1 right
  TZETimer* delay;
};

}  // namespace zorn
