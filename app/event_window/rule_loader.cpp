#include "app/event_window/rule_loader.h"

namespace zorn {

TClassMultiElement_EventRuleLoader::TClassMultiElement_EventRuleLoader(TZEMultiElement* host,
                                                                       TElement*,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 2); });
  loading = Make<TZEHub>(Outputs(3));
  rules = Make<TZEStrList>();
  section = Make<TZEini>([](auto& ini) {
    ini.FileName = "user_settings.ini";
    ini.Section = "eventForm";
  });
  ruleMask = Make<TZEStrMask>([](auto& m) {
    m.Mask = "event*=#;*;*;#;*;#;*";
    m.IgnoreCase = true;
  });
  keyAsField = Make<TZEReplace>([](auto& r) {
    r.SubStr = "=";
    r.NewStr = ";";
  });
  adding = Make<TZEHub>(Outputs(3));
  position = Make<TZEMath>([](auto& m) {
    m.Operation = moSubtract;
    m.Op2 = 1.0;
  });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Load], loading, &TZEHub::Distribute);
  Connect(loading->Outputs[0], rules, &TZEStrList::Clear);
  Connect(loading->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(loading->Outputs[2], section, &TZEini::ReadSection);
  Connect(section->OnLine, ruleMask, &TZEStrMask::Check);
  Connect(ruleMask->OnMatch, keyAsField, &TZEReplace::Replace);
  // Appended first, so that its position is the count less one.
  Connect(keyAsField->OnResult, adding, &TZEHub::Distribute);
  Connect(adding->Outputs[0], rules, &TZEStrList::Add);
  Connect(adding->Outputs[1], position, &TZEMath::Calc);
  Connect(position->Op1Input, rules, &TZEStrList::Count);
  Connect(adding->Outputs[2], boundary, &TZEEditMulti::Action, OnRule);

  Connect(boundary->InnerEvents[Add], boundary, &TZEEditMulti::Action, OnFreeKey);
  Connect(boundary->InnerDataInputs[Rules], rules, &TZEStrList::Array);
  Connect(boundary->InnerDataInputs[Position], position, &TZEMath::Result);
}

}  // namespace zorn
