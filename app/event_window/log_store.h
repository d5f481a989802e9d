// The event log's rows. Row takes a new row, puts the local time
// "h:m:s D-M-Y" and ";" in front of it and keeps it as Restore does; then
// sends it on OnLogged, for the journal. Restore takes a row that has its
// time stamp already (one of the journal's): it sends it on OnRow (to the
// table), appends it and then drops the oldest row while more than 200 are
// kept. Rows: the rows (Array), oldest first.
#pragma once

#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/time.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventLogStore : public TClassMultiBase {
 public:
  static constexpr int32_t kMaxRows = 200;

  TClassMultiElement_EventLogStore(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Row = 0, Restore = 1 };
  enum Event : uint16_t { OnRow = 0, OnLogged = 1 };
  enum DataOutput : uint16_t { Rows = 0 };

  TZEEditMulti* boundary;
  TZETime* clock;
  TZEStrCatDelim* stamped;
  TZEHub* logging;
  TZEHub* storing;
  TZEStrList* rows;
  TZEIf_else* overflow;
  TZEDoData* oldest;
};

}  // namespace zorn
