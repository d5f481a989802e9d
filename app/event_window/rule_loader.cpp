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

  Connect(boundary->InnerEvents[0], loading, &TZEHub::Distribute);
  Connect(loading->Outputs[0], rules, &TZEStrList::Clear);
  Connect(loading->Outputs[1], boundary, &TZEEditMulti::Action, 0);
  Connect(loading->Outputs[2], section, &TZEini::ReadSection);
  Connect(section->OnLine, ruleMask, &TZEStrMask::Check);
  Connect(ruleMask->OnMatch, keyAsField, &TZEReplace::Replace);
  // Appended first, so that its position is the count less one.
  Connect(keyAsField->OnResult, adding, &TZEHub::Distribute);
  Connect(adding->Outputs[0], rules, &TZEStrList::Add);
  Connect(adding->Outputs[1], position, &TZEMath::Calc);
  Connect(position->Op1Input, rules, &TZEStrList::Count);
  Connect(adding->Outputs[2], boundary, &TZEEditMulti::Action, 1);

  Connect(boundary->InnerEvents[1], boundary, &TZEEditMulti::Action, 2);
  Connect(boundary->InnerDataInputs[0], rules, &TZEStrList::Array);
  Connect(boundary->InnerDataInputs[1], position, &TZEMath::Result);
}

}  // namespace zorn
