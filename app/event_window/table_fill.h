// The rows the log table shows. Host action 0 takes a new row and adds it
// (host event 1) when filtering is off or its event name (cell 2) is the
// one filtered for. Host action 1 ("Все события", showing the window) turns
// filtering off, clears the table (host event 0) and adds every stored row
// (host data input 0, Array). Host action 2 ("Фильтр по выбранному")
// remembers the event name of the selected row (host data input 1), turns
// filtering on, clears the table and adds the stored rows of that name.
#pragma once

#include "elements/array_ops.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventTableFill : public TClassMultiBase {
 public:
  TClassMultiElement_EventTableFill(TZEMultiElement* host, TElement* parentControl,
                                    TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEMemory* filtering;  // Int 0 off, 1 on
  TZEMemory* shownName;
  TZEHub* showAll;
  TZEDoData* filterOff;
  TZEHub* showSelected;
  TZEMultiStrPart* selectedCells;  // time stamp, event name
  TZEDoData* filterOn;
  TZEArrayEnum* stored;
  TZEIf_else* unfiltered;
  TZEHub* filtered;
  TZEMultiStrPart* rowCells;
  TZEIf_else* sameName;
};

}  // namespace zorn
