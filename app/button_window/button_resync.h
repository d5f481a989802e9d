// The re-sending of the button states.
#pragma once

#include "elements/array_ops.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// Action 0: the value 1 makes every panel, in list order, send its state
// again (event 0 with the position, for the list host's SendToInstance);
// any other value does nothing. Data input 0: the record list.
class TClassMultiElement_ButtonResync : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonResync(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEIf_else* isOne;
  TZEArrayEnum* positions;
  TZEDoData* position;
};

}  // namespace zorn
