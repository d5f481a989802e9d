#include "app/event_window/table_mouse.h"

#include "link/link_setup.h"

namespace zorn {

using namespace link_setup;

TClassMultiElement_EventTableMouse::TClassMultiElement_EventTableMouse(TZEMultiElement* host,
                                                                       TElement*,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  button = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  delay = Make<TZETimer>([](auto& t) { OneShot(t, 10); });

  Boundary = boundary;
  boundary->Scheme = this;
  boundary->Host = host;

  Connect(boundary->InnerEvents[0], button, &TZEIndexToChanel::Route);
  Connect(button->Channels[1], delay, &TZETimer::Start);
  Connect(delay->OnTimer, boundary, &TZEEditMulti::Action, 0);
}

}  // namespace zorn
