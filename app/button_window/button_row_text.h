#pragma once

#include "elements/array_ops.h"
#include "elements/format_str.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

// The row text of one record line "key;type;block;value;kind;caption;
// width;extra". Record: the line. OnRow: "position;caption;width;kind;
// block;value;Блок: №block (type name), kind name, Значение на выходе:
// "value"". Position: the record's position in the list.
class TClassMultiElement_ButtonRowText : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonRowText(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Record = 0 };
  enum Event : uint16_t { OnRow = 0 };
  enum DataInput : uint16_t { Position = 0 };

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEMultiStrPart* fields;
  TZEStrList* typeNames;  // by type code
  TZEArrayRW* typeName;
  TZEStrList* kindNames;  // by kind
  TZEArrayRW* kindName;
  TZEFormatStr* rowText;
};

}  // namespace zorn
