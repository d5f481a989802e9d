// The rule list of the event log. Load (re)loads it: the list is emptied
// and OnClear fired (the window drops its rule instances and selector
// entries), then every line of user_settings.ini [eventForm] that matches
// "event*=#;*;*;#;*;#;*" (case folded) has its "=" replaced by ";", is
// appended and is sent on OnRule. Add starts the adding of a rule:
// OnFreeKey asks for a free key. Rules: the rule list (Array); Position:
// the position of the rule appended last (Int).
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

  // Host points.
  enum Action : uint16_t { Load = 0, Add = 1 };
  enum Event : uint16_t { OnClear = 0, OnRule = 1, OnFreeKey = 2 };
  enum DataOutput : uint16_t { Rules = 0, Position = 1 };

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
