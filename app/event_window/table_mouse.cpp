#include "app/event_window/table_mouse.h"

namespace zorn {

TClassMultiElement_EventTableMouse::TClassMultiElement_EventTableMouse(TZEMultiElement* host,
                                                                       TElement*,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  button = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  delay = Make<TZETimer>(OneShot(10));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Press], button, &TZEIndexToChanel::Route);
  Connect(button->Channels[1], delay, &TZETimer::Start);
  Connect(delay->OnTimer, boundary, &TZEEditMulti::Action, OnPopup);
}

}  // namespace zorn
