// The PC-level actions of the event log. Host actions, each with the rule's
// file field: 0 open the file with the shell, 1 set the master volume to the
// field read as a number n, n / 100 clamped to 0.0 … 1.0 (no number: 0),
// 2 shut the PC down, 3 restart it, 4 lock the workstation.
#pragma once

#include "app/event_window/pc_actions.h"
#include "elements/math.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventActions : public TClassMultiBase {
 public:
  TClassMultiElement_EventActions(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEMath* volumeLevel;
  TZESystemActions* system;
};

}  // namespace zorn
