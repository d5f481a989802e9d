// The test of one controller line against every rule. Host action 0 takes
// the line; one matching "#;*;*" (case folded) is split into type, block and
// value, and every rule of the rule list (host data input 0) whose type and
// block fields equal the line's, as exact texts, gets a status by its
// condition, the line's value compared as text with the rule's value:
// "Изменение" always 2; "Равно", "Не равно", "Больше", "Меньше" 1 when the
// comparison holds, else 0. The text "status;value" is kept (host data
// output 0) and the rule's position sent on host event 0, rule by rule in
// list order.
#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventLineMatcher : public TClassMultiBase {
 public:
  TClassMultiElement_EventLineMatcher(TZEMultiElement* host, TElement* parentControl,
                                      TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEStrMask* lineMask;
  TZEHub* steps;
  TZEMultiStrPart* lineFields;  // type, block, value
  TZEArrayEnum* rules;
  TZEHub* visiting;
  TZEMultiStrPart* ruleFields;  // key, type, block, value, condition
  TZEIf_else* sameType;
  TZEIf_else* sameBlock;
  TZEIndexToChanel* condition;
  TZEDoData* changeStatus;
  std::array<TZEIf_else*, 4> tests;  // equal, not equal, greater, less
  TZEDoData* trueStatus;
  TZEDoData* falseStatus;
  TZEFormatStr* result;
  TZEDoData* position;
};

}  // namespace zorn
