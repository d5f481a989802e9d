// The test of one controller line against every rule. Line takes the line;
// one matching "#;*;*" (case folded) is split into type, block and value,
// and every rule of the rule list (Rules) whose type and block fields equal
// the line's, as exact texts, gets a status by its condition, the line's
// value compared as text with the rule's value: "Изменение" always 2;
// "Равно", "Не равно", "Больше", "Меньше" 1 when the comparison holds, else
// 0. The text "status;value" is kept (StatusText) and the rule's position sent
// on OnRule, rule by rule in list order.
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

  // Host points.
  enum Action : uint16_t { Line = 0 };
  enum Event : uint16_t { OnRule = 0 };
  enum DataInput : uint16_t { Rules = 0 };
  enum DataOutput : uint16_t { StatusText = 0 };

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
