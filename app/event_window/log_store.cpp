#include "app/event_window/log_store.h"

namespace zorn {

TClassMultiElement_EventLogStore::TClassMultiElement_EventLogStore(TZEMultiElement* host, TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 1); });
  clock = Make<TZETime>([](auto& t) { t.Format = "h:m:s D-M-Y"; });
  stamped = Make<TZEStrCatDelim>([](auto& c) { c.Delimiter = ";"; });
  logging = Make<TZEHub>(Outputs(2));
  storing = Make<TZEHub>(Outputs(3));
  rows = Make<TZEStrList>();
  overflow = Make<TZEIf_else>([](auto& g) {
    g.Type = cmGreater;
    MakeInt(g.Op2, kMaxRows);
  });
  oldest = Make<TZEDoData>(IntValue(0));

  Bind(boundary, host);

  // The time stamp first; the row itself is the second text joined. The
  // row is kept before the journal gets it.
  Connect(boundary->InnerEvents[Row], stamped, &TZEStrCatDelim::Concat);
  Connect(stamped->Str1Input, clock, &TZETime::Text);
  Connect(stamped->OnResult, logging, &TZEHub::Distribute);
  Connect(logging->Outputs[0], storing, &TZEHub::Distribute);
  Connect(logging->Outputs[1], boundary, &TZEEditMulti::Action, OnLogged);
  Connect(boundary->InnerEvents[Restore], storing, &TZEHub::Distribute);
  Connect(storing->Outputs[0], boundary, &TZEEditMulti::Action, OnRow);
  Connect(storing->Outputs[1], rows, &TZEStrList::Add);
  Connect(storing->Outputs[2], overflow, &TZEIf_else::Compare);
  Connect(overflow->Op1Input, rows, &TZEStrList::Count);
  Connect(overflow->OnTrue, oldest, &TZEDoData::Emit);
  Connect(oldest->OnEmit, rows, &TZEStrList::Delete);
  Connect(boundary->InnerDataInputs[Rows], rows, &TZEStrList::Array);
}

}  // namespace zorn
