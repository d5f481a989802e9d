#include "app/settings/link_lists.h"

namespace zorn {

namespace {

// A search result below 0 (not found) becomes index 0.
void NotFound(TZEIf_else& g) {
  g.Type = cmLess;
  MakeInt(g.Op2, 0);
}

}  // namespace

TClassMultiElement_PortList::TClassMultiElement_PortList(TZEMultiElement* host, TElement*,
                                                         TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  begin = Make<TZEDoData>();
  steps = Make<TZEHub>(Outputs(4));
  ports = Make<TZEStrList>();
  probe = Make<TZEEnumCOM>();
  found = Make<TZEHub>(Outputs(2));
  comPort = Make<TZEGlobalVar>([](auto& g) { g.SetName("com_port"); });
  find = Make<TZEArrayFind>();
  missing = Make<TZEIf_else>(NotFound);
  firstItem = Make<TZEDoData>(IntValue(0));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Rebuild], begin, &TZEDoData::Emit);
  Connect(begin->OnEmit, steps, &TZEHub::Distribute);
  // Both lists are emptied, then filled by the probe, then searched.
  Connect(steps->Outputs[0], ports, &TZEStrList::Clear);
  Connect(steps->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(steps->Outputs[2], probe, &TZEEnumCOM::Enum);
  Connect(steps->Outputs[3], find, &TZEArrayFind::FindText);
  Connect(probe->OnPort, found, &TZEHub::Distribute);
  Connect(found->Outputs[0], ports, &TZEStrList::Add);
  Connect(found->Outputs[1], boundary, &TZEEditMulti::Action, OnAdd);
  Connect(find->Array, ports, &TZEStrList::Array);
  Connect(find->ValueInput, comPort, &TZEGlobalVar::Value);
  Connect(find->OnResult, missing, &TZEIf_else::Compare);
  Connect(missing->OnTrue, firstItem, &TZEDoData::Emit);
  Connect(missing->OnFalse, boundary, &TZEEditMulti::Action, OnSelect);
  Connect(firstItem->OnEmit, boundary, &TZEEditMulti::Action, OnSelect);
}

TClassMultiElement_SpeedSelect::TClassMultiElement_SpeedSelect(TZEMultiElement* host, TElement*,
                                                               TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  begin = Make<TZEDoData>();
  speeds = Make<TZEStrList>([](auto& l) { l.SetStrings(kSpeedItems); });
  comPortSpeed = Make<TZEGlobalVar>([](auto& g) { g.SetName("com_port_speed"); });
  find = Make<TZEArrayFind>();
  missing = Make<TZEIf_else>(NotFound);
  firstItem = Make<TZEDoData>(IntValue(0));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Select], begin, &TZEDoData::Emit);
  Connect(begin->OnEmit, find, &TZEArrayFind::FindText);
  Connect(find->Array, speeds, &TZEStrList::Array);
  Connect(find->ValueInput, comPortSpeed, &TZEGlobalVar::Value);
  Connect(find->OnResult, missing, &TZEIf_else::Compare);
  Connect(missing->OnTrue, firstItem, &TZEDoData::Emit);
  Connect(missing->OnFalse, boundary, &TZEEditMulti::Action, OnSelect);
  Connect(firstItem->OnEmit, boundary, &TZEEditMulti::Action, OnSelect);
}

}  // namespace zorn
