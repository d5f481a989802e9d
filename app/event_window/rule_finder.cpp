#include "app/event_window/rule_finder.h"

namespace zorn {

namespace {

constexpr uint16_t kNameField = 5;

}  // namespace

TClassMultiElement_EventRuleFinder::TClassMultiElement_EventRuleFinder(TZEMultiElement* host,
                                                                       TElement*,
                                                                       TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  byRow = Make<TZEHub>(Outputs(2));
  rowCells = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(2);
  });
  rules = Make<TZEArrayEnum>();
  visiting = Make<TZEHub>(Outputs(2));
  ruleFields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(kNameField + 1);
  });
  sameName = Make<TZEIf_else>([](auto& g) { g.Type = cmEqual; });
  found = Make<TZEHub>(Outputs(2));
  chosen = Make<TZEArrayRW>();
  chosenSteps = Make<TZEHub>(Outputs(2));
  key = Make<TZEDoData>();

  Bind(boundary, host);

  // By the row's event name: the first rule of that name.
  Connect(boundary->InnerEvents[Row], byRow, &TZEHub::Distribute);
  Connect(byRow->Outputs[0], rowCells, &TZEMultiStrPart::Split);
  Connect(byRow->Outputs[1], rules, &TZEArrayEnum::Enum);
  Connect(rules->Array, boundary, &TZEEditMulti::DataOutput, Rules);
  Connect(rules->OnItem, visiting, &TZEHub::Distribute);
  Connect(visiting->Outputs[0], ruleFields, &TZEMultiStrPart::Split);
  Connect(visiting->Outputs[1], sameName, &TZEIf_else::Compare);
  Connect(sameName->Op1Input, ruleFields, &TZEMultiStrPart::Part, kNameField);
  Connect(sameName->Op2Input, rowCells, &TZEMultiStrPart::Part, 1);
  Connect(sameName->OnTrue, found, &TZEHub::Distribute);
  Connect(found->Outputs[0], rules, &TZEArrayEnum::Stop);
  Connect(found->Outputs[1], key, &TZEDoData::Emit);

  // By position.
  Connect(boundary->InnerEvents[Position], chosen, &TZEArrayRW::Read);
  Connect(chosen->Array, boundary, &TZEEditMulti::DataOutput, Rules);
  Connect(chosen->OnRead, chosenSteps, &TZEHub::Distribute);
  Connect(chosenSteps->Outputs[0], ruleFields, &TZEMultiStrPart::Split);
  Connect(chosenSteps->Outputs[1], key, &TZEDoData::Emit);

  Connect(key->DataInput, ruleFields, &TZEMultiStrPart::Part, 0);
  Connect(key->OnEmit, boundary, &TZEEditMulti::Action, OnKey);
}

}  // namespace zorn
