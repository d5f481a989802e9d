// The key of a new event rule. Host action 0 tries "event_1" … "event_100"
// and last "event_0" against the keys of the rule list (host data input 0),
// compared without regard to case, and sends the first key no rule has on
// host event 0. When all 101 keys are taken nothing is sent: there is no
// room for another rule.
#pragma once

#include "elements/free_key.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventFreeKey : public TClassMultiBase {
 public:
  TClassMultiElement_EventFreeKey(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEFreeKey* search;
};

}  // namespace zorn
