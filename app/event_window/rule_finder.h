// The key of the rule to edit, among the rule list (host data input 0).
// Host action 0 takes a log row and finds the first rule whose name equals
// the row's event name (cell 2); host action 1 takes a position in the
// rule list. The rule's key goes out on host event 0; no rule, no event.
#pragma once

#include "elements/array_ops.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventRuleFinder : public TClassMultiBase {
 public:
  TClassMultiElement_EventRuleFinder(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEHub* byRow;
  TZEMultiStrPart* rowCells;  // time stamp, event name
  TZEArrayEnum* rules;
  TZEHub* visiting;
  TZEMultiStrPart* ruleFields;  // key … name
  TZEIf_else* sameName;
  TZEHub* found;
  TZEArrayRW* chosen;
  TZEHub* chosenSteps;
  TZEDoData* key;
};

}  // namespace zorn
