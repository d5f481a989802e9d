#include "app/event_window/event_free_key.h"

namespace zorn {

TClassMultiElement_EventFreeKey::TClassMultiElement_EventFreeKey(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  search = Make<TZEFreeKey>([](auto& s) { s.Prefix = "event_"; });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Find], search, &TZEFreeKey::Find);
  Connect(search->Array, boundary, &TZEEditMulti::DataOutput, Rules);
  Connect(search->OnKey, boundary, &TZEEditMulti::Action, OnKey);
}

}  // namespace zorn
