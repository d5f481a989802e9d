#include "app/button_window/button_kind_view.h"

namespace zorn {

TClassMultiElement_ButtonKindView::TClassMultiElement_ButtonKindView(TZEMultiElement* host,
                                                                     TElement*,
                                                                     TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  kinds = Make<TZEHub>(Outputs(4));
  for (int32_t i = 0; i < 4; ++i) {
    isKind[i] = Make<TZEIf_else>([&](auto& g) {
      g.Type = cmEqual;
      MakeInt(g.Op2, i);
    });
    show[i] = Make<TZEDoData>(IntValue(1));
    hide[i] = Make<TZEDoData>(IntValue(0));
  }

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Kind], kinds, &TZEHub::Distribute);
  for (uint16_t i = 0; i < 4; ++i) {
    Connect(kinds->Outputs[i], isKind[i], &TZEIf_else::Compare);
    Connect(isKind[i]->OnTrue, show[i], &TZEDoData::Emit);
    Connect(isKind[i]->OnFalse, hide[i], &TZEDoData::Emit);
    Connect(show[i]->OnEmit, boundary, &TZEEditMulti::Action, i);
    Connect(hide[i]->OnEmit, boundary, &TZEEditMulti::Action, i);
  }
}

}  // namespace zorn
