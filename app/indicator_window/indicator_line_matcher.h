// State text: "1" (active) or "0", ";" and the value of the controller line.
#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/str_join.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/multi_element.h"

namespace zorn {

// Computes the state of every record concerned by a controller line.
// Line: the line. OnRecord: the index k of a concerned record, after its
// state text was stored. Records: the record list. StateText: the last state
// text.
class TClassMultiElement_IndicatorLineMatcher : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLineMatcher(TZEMultiElement* host, TElement* parentControl,
                                          TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Line = 0 };
  enum Event : uint16_t { OnRecord = 0 };
  enum DataInput : uint16_t { Records = 0 };
  enum DataOutput : uint16_t { StateText = 0 };

  TZEEditMulti* boundary;
  TZEStrMask* mask;
  TZEMultiStrPart* line;  // type, block, value
  TZEArrayEnum* records;
  TZEMultiStrPart* record;  // key, type, block, compare value, condition
  TZEIf_else* sameType;
  TZEIf_else* sameBlock;
  TZEIndexToChanel* condition;
  std::array<TZEIf_else*, 4> compare;  // равно, не равно, больше, меньше
  TZEDoData* active;
  TZEDoData* inactive;
  TZEStrCatDelim* stateText;
  TZEDoData* address;
};

}  // namespace zorn
