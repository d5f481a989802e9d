#include "app/button_window/button_resync.h"

namespace zorn {

TClassMultiElement_ButtonResync::TClassMultiElement_ButtonResync(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  isOne = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  positions = Make<TZEArrayEnum>();
  position = Make<TZEDoData>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Resync], isOne, &TZEIf_else::Compare);
  Connect(isOne->OnTrue, positions, &TZEArrayEnum::Enum);
  Connect(positions->Array, boundary, &TZEEditMulti::DataOutput, Records);
  Connect(positions->OnItem, position, &TZEDoData::Emit);
  Connect(position->DataInput, positions, &TZEArrayEnum::Index);
  Connect(position->OnEmit, boundary, &TZEEditMulti::Action, OnResend);
}

}  // namespace zorn
