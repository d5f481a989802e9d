#include "link/poll_timer.h"

namespace zorn {

TClassMultiElement_PollTimer::TClassMultiElement_PollTimer(TZEMultiElement* host, TElement*,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  emitter = Make<TZEDoData>([](auto& e) { MakeStr(e.Data, "ref"); });
  selector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(2); });
  timer = Make<TZETimer>([](auto& t) {
    t.SetInterval(3000);
    t.SetEnabled(false);
    t.SetAutoStop(0);
  });
  splitter = Make<TZEHub>(Outputs(2));
  periodSource = Make<TZEGlobalVar>([](auto& g) { g.SetName("time_refresh"); });
  gate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmGreater;
    MakeInt(g.Op2, 0);
  });
  periodSource2 = Make<TZEGlobalVar>([](auto& g) { g.SetName("time_refresh"); });
  scaler = Make<TZEMath>([](auto& m) {
    m.Operation = moMultiply;
    m.Op2 = 1000.0;
    m.RealResult = true;
  });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Poll], gate, &TZEIf_else::Compare);
  Connect(emitter->OnEmit, boundary, &TZEEditMulti::Action, OnPoll);
  Connect(selector->Channels[0], timer, &TZETimer::Stop, 1);
  Connect(selector->Channels[1], splitter, &TZEHub::Distribute);
  Connect(timer->OnTimer, emitter, &TZEDoData::Emit);
  Connect(splitter->Outputs[0], scaler, &TZEMath::Calc);
  Connect(splitter->Outputs[1], timer, &TZETimer::Start);
  Connect(gate->OnTrue, selector, &TZEIndexToChanel::Route);
  Connect(gate->Op1Input, periodSource2, &TZEGlobalVar::Value);
  Connect(scaler->OnResult, timer, &TZETimer::SetInterval, 2);
  Connect(scaler->Op1Input, periodSource, &TZEGlobalVar::Value);
}

}  // namespace zorn
