#pragma once

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"

namespace zorn {

// Kind list of the button editor. Type takes the block's type code: OnClear
// clears the list, OnAdd adds each kind the type offers (three for bool,
// four for every other digit: int, str and the codes without a name, whose
// value is sent as text), OnSelect then selects Kind, the record's kind.
class TClassMultiElement_ButtonKindList : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonKindList(TZEMultiElement* host, TElement*,
                                    TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Type = 0 };
  enum Event : uint16_t { OnClear = 0, OnAdd = 1, OnSelect = 2 };
  enum DataInput : uint16_t { Kind = 0 };

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
