#include "app/event_window/rule_loader.h"

#include "app/record_reading.h"

namespace zorn {

TClassMultiElement_EventRuleLoader::TClassMultiElement_EventRuleLoader(TZEMultiElement* host,
                                                                       TElement*,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 2); });
  loading = Make<TZEHub>(Outputs(3));
  rules = Make<TZEStrList>();
  section = Make<TZEini>(UserSettings("eventForm"));
  ruleMask = Make<TZEStrMask>(RecordMask(kEventRecordMask));
  keyAsField = Make<TZEReplace>(KeyAsField);
  adding = Make<TZEHub>(Outputs(3));
  position = Make<TZEMath>(CountLessOne);

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Load], loading, &TZEHub::Distribute);
  Connect(loading->Outputs[0], rules, &TZEStrList::Clear);
  Connect(loading->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(loading->Outputs[2], section, &TZEini::ReadSection);
  ConnectRecordReading(section, ruleMask, keyAsField, adding, rules, position);
  Connect(adding->Outputs[2], boundary, &TZEEditMulti::Action, OnRule);

  Connect(boundary->InnerEvents[Add], boundary, &TZEEditMulti::Action, OnFreeKey);
  Connect(boundary->InnerDataInputs[Rules], rules, &TZEStrList::Array);
  Connect(boundary->InnerDataInputs[Position], position, &TZEMath::Result);
}

}  // namespace zorn
