#pragma once

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// Turns one record line into the initialisation line of its panel
// "k;caption;width;signal;description". Record: the record line. Index: the
// index k. OnLine: the initialisation line.
class TClassMultiElement_IndicatorText : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorText(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Record = 0 };
  enum Event : uint16_t { OnLine = 0 };
  enum DataInput : uint16_t { Index = 0 };

  TZEEditMulti* boundary;
  TZEMultiStrPart* fields;  // 0 key … 7 signal
  TZEHub* steps;
  TZEStrList* typeNames;
  TZEArrayRW* typeName;
  TZEStrList* conditionNames;
  TZEArrayRW* conditionName;
  TZEStrList* signalNames;
  TZEArrayRW* signalName;
  TZEFormatStr* line;
};

}  // namespace zorn
