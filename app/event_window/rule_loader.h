// The rule list of the event log. Host action 0 (re)loads it: the list is
// emptied and host event 0 fired (the window drops its rule instances and
// selector entries), then every line of user_settings.ini [eventForm] that
// matches "event*=#;*;*;#;*;#;*" (case folded) has its "=" replaced by ";",
// is appended and is sent on host event 1. Host action 1 starts the adding
// of a rule: host event 2 asks for a free key. Host data outputs: 0 the rule
// list (Array), 1 the position of the rule appended last (Int).
#pragma once

#include "elements/ini.h"
#include "elements/math.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventRuleLoader : public TClassMultiBase {
 public:
  TClassMultiElement_EventRuleLoader(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* loading;
  TZEStrList* rules;
  TZEini* section;
  TZEStrMask* ruleMask;
  TZEReplace* keyAsField;  // "=" becomes ";"
  TZEHub* adding;
  TZEMath* position;       // count − 1
};

}  // namespace zorn
