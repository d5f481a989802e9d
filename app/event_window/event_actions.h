// The PC-level actions of the event log, each taking the rule's file field:
// Open opens the file with the shell; Volume sets the master volume to the
// field read as a number n, n / 100 clamped to 0.0 … 1.0 (no number: 0);
// ShutDown shuts the PC down, Restart restarts it, Lock locks the
// workstation.
#pragma once

#include "app/event_window/pc_actions.h"
#include "elements/math.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_EventActions : public TClassMultiBase {
 public:
  TClassMultiElement_EventActions(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Open = 0, Volume = 1, ShutDown = 2, Restart = 3, Lock = 4 };

  TZEEditMulti* boundary;
  TZEMath* volumeLevel;
  TZESystemActions* system;
};

}  // namespace zorn
