// The key of a new event rule. Find tries "event_1" … "event_100" and last
// "event_0" against the keys of the rule list (Rules), compared without
// regard to case, and sends the first key no rule has on OnKey. When all
// 101 keys are taken nothing is sent: there is no room for another rule.
#pragma once

#include "elements/free_key.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventFreeKey : public TClassMultiBase {
 public:
  TClassMultiElement_EventFreeKey(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Find = 0 };
  enum Event : uint16_t { OnKey = 0 };
  enum DataInput : uint16_t { Rules = 0 };

  TZEEditMulti* boundary;
  TZEFreeKey* search;
};

}  // namespace zorn
