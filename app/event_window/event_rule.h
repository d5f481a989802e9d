// One loaded event rule, an instance of the window's rule list. Host action
// 0 gives it its text "position;name;condition name;value;action code;file;
// action name". Host action 2 tells it that a line concerns it; it reads
// "status;value" through its data request (host data input 0):
// - status 1 arms it and fires, unless it is armed already;
// - status 0 disarms it, so the next status 1 fires again;
// - status 2 ("Изменение") fires when the value differs from the one of the
//   rule's last status-2 line; the first value after loading only primes.
// Firing sends the log row "name;condition name value;current value;action
// name" on host event 0 (in change form the previous value stands for the
// rule's value), then the file on host event 1 to 6 for the action codes
// 1 (sound), 2 (open), 3 (volume), 4 (shut down), 5 (restart), 6 (lock).
#pragma once

#include "elements/change_mon.h"
#include "elements/format_str.h"
#include "elements/multi_data.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element_ex.h"

namespace zorn {

class TClassMultiElementEx_EventRule : public TClassMultiBase {
 public:
  TClassMultiElementEx_EventRule(TZEMultiElementEx* host, TElement* parentControl,
                                 TClassMultiBase* parentScheme);

  TZEEditMultiEx* boundary;
  TZEMultiStrPart* parts;
  TZEHub* receiving;
  TZEMultiStrPart* result;  // status, value
  TZEIndexToChanel* status;
  TZESwitch* armed;
  TZEChangeMon* change;
  TZEHub* changed;
  TZEMemFifo* values;  // Item0 the current value, Item1 the previous one
  TZEMemory* primed;
  TZEIf_else* afterFirst;
  TZEDoData* primeDone;
  TZEFormatStr* row;
  TZEFormatStr* changeRow;
  TZEHub* firing;
  TZEIndexToChanel* action;
};

}  // namespace zorn
