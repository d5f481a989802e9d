// The key of the rule to edit, among the rule list (Rules). Row takes a log
// row and finds the first rule whose name equals the row's event name (cell
// 2); Position takes a position in the rule list. The rule's key goes out
// on OnKey; no rule, no event.
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

  // Host points.
  enum Action : uint16_t { Row = 0, Position = 1 };
  enum Event : uint16_t { OnKey = 0 };
  enum DataInput : uint16_t { Rules = 0 };

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
