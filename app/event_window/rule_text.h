// The texts of one loaded rule. Rule takes the rule line (key;type;block;
// value;condition;name;action;file) and sends on OnInstance the instance
// text "%1;%2;%3;%4;%5;%6;%7" (position, name, condition name, value,
// action code, file, action name), then on OnDescription the selector text
// "%1, Блок:№%3 (%2), %4(%5), %6(%7)" (name, type name, block, condition
// name, value, action name, file). Position: the rule's position. A code
// without a name gives an empty name.
#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventRuleText : public TClassMultiBase {
 public:
  TClassMultiElement_EventRuleText(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Rule = 0 };
  enum Event : uint16_t { OnInstance = 0, OnDescription = 1 };
  enum DataInput : uint16_t { Position = 0 };

  // The three name lookups: type, condition, action.
  enum TName { nmType, nmCondition, nmAction };

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEMultiStrPart* fields;  // 0 key … 7 file
  std::array<TZEStrList*, 3> names;
  std::array<TZEArrayRW*, 3> lookups;
  // Each lookup first reads the blank entry after the names, then the code,
  // so that a code without a name leaves no earlier rule's name behind.
  std::array<TZEDoData*, 3> blanks;
  std::array<TZEDoData*, 3> codes;
  TZEFormatStr* instanceText;
  TZEFormatStr* description;
  TZEDoData* instanceOut;
  TZEDoData* descriptionOut;
};

}  // namespace zorn
