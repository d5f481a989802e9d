// The re-sending of the button states.
#pragma once

#include "elements/array_ops.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// Resync: the value 1 makes every panel, in list order, send its state
// again (OnResend with the position, for the list host's SendToInstance);
// any other value does nothing. Records: the record list.
class TClassMultiElement_ButtonResync : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonResync(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Resync = 0 };
  enum Event : uint16_t { OnResend = 0 };
  enum DataInput : uint16_t { Records = 0 };

  TZEEditMulti* boundary;
  TZEIf_else* isOne;
  TZEArrayEnum* positions;
  TZEDoData* position;
};

}  // namespace zorn
