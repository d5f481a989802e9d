#pragma once

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"

namespace zorn {

// Kind list of the button editor. Host action 0 takes the block's type
// code: event 0 clears the list, event 1 adds each kind the type offers
// (three for bool, four for every other digit: int, str and the codes
// without a name, whose value is sent as text), event 2 then selects host
// data input 0, the record's kind.
class TClassMultiElement_ButtonKindList : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonKindList(TZEMultiElement* host, TElement*,
                                    TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEIndexToChanel* byType;
  TZEStrList* boolKinds;
  TZEStrList* valueKinds;
  TZEArrayEnum* boolEnum;
  TZEArrayEnum* valueEnum;
  TZEDoData* select;
};

}  // namespace zorn
