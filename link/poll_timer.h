// The poll-period scheme: Poll with 1 starts polling every "time_refresh"
// seconds, with 0 stops it; each tick sends "ref" on OnPoll. While
// "time_refresh" is 0 or less, requests are ignored.
#pragma once

#include "elements/math.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_PollTimer : public TClassMultiBase {
 public:
  TClassMultiElement_PollTimer(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Poll = 0 };
  enum Event : uint16_t { OnPoll = 0 };

  TZEEditMulti* boundary;
  TZEDoData* emitter;
  TZEIndexToChanel* selector;
  TZETimer* timer;
  TZEHub* splitter;
  TZEGlobalVar* periodSource;
  TZEIf_else* gate;
  TZEGlobalVar* periodSource2;
  TZEMath* scaler;
};

}  // namespace zorn
