// One loaded event rule, an instance of the window's rule list. Setup gives
// it its text "position;name;condition name;value;action code;file;action
// name". Line tells it that a line concerns it; it reads "status;value"
// through StatusText:
// - status 1 arms it and fires, unless it is armed already;
// - status 0 disarms it, so the next status 1 fires again;
// - status 2 ("Изменение") fires when the value differs from the one of the
//   rule's last status-2 line; the first value after loading only primes.
// Firing sends the log row "name;condition name value;current value;action
// name" on OnRow (in change form the previous value stands for the rule's
// value), then the file on the event of the action code: 1 (sound), 2
// (open), 3 (volume), 4 (shut down), 5 (restart), 6 (lock).
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

  // Host points.
  // OnSound … OnLock carry the file for the action codes 1 to 6, in order.
  enum Action : uint16_t { Setup = 0, Cleared = 1, Line = 2 };
  enum Event : uint16_t {
    OnRow = 0,
    OnSound = 1,
    OnOpen = 2,
    OnVolume = 3,
    OnShutDown = 4,
    OnRestart = 5,
    OnLock = 6
  };
  enum DataInput : uint16_t { StatusText = 0 };

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
