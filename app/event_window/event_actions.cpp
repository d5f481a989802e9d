#include "app/event_window/event_actions.h"

namespace zorn {

TClassMultiElement_EventActions::TClassMultiElement_EventActions(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(5, 0); });
  // The first operand is left at 0, so it is taken from the file field.
  volumeLevel = Make<TZEMath>([](auto& m) {
    m.Operation = moDivide;
    m.Op2 = 100.0;
    m.RealResult = true;
  });
  system = Make<TZESystemActions>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Open], system, &TZESystemActions::Open);
  Connect(boundary->InnerEvents[Volume], volumeLevel, &TZEMath::Calc);
  Connect(volumeLevel->OnResult, system, &TZESystemActions::SetVolume);
  Connect(boundary->InnerEvents[ShutDown], system, &TZESystemActions::ShutDown);
  Connect(boundary->InnerEvents[Restart], system, &TZESystemActions::Restart);
  Connect(boundary->InnerEvents[Lock], system, &TZESystemActions::Lock);
}

}  // namespace zorn
