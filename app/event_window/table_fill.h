// The rows the log table shows. Row takes a new row and adds it (OnAdd)
// when filtering is off or its event name (cell 2) is the one filtered for.
// ShowAll ("Все события", showing the window) turns filtering off, clears
// the table (OnClear) and adds every stored row (Rows, Array).
// ShowSelected ("Фильтр по выбранному") remembers the event name of the
// selected row (Selected), turns filtering on, clears the table and adds
// the stored rows of that name.
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

  // Host points.
  enum Action : uint16_t { Row = 0, ShowAll = 1, ShowSelected = 2 };
  enum Event : uint16_t { OnClear = 0, OnAdd = 1 };
  enum DataInput : uint16_t { Rows = 0, Selected = 1 };

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
