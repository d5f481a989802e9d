#include "app/event_window/line_matcher.h"

namespace zorn {

namespace {

constexpr std::array<uint8_t, 4> kTests = {cmEqual, cmNotEqual, cmGreater, cmLess};

auto Status(const char* text) {
  return [=](TZEDoData& d) { MakeStr(d.Data, text); };
}

auto Fields(int32_t count) {
  return [=](TZEMultiStrPart& s) {
    s.Delimiter = ";";
    s.SetCount(count);
  };
}

}  // namespace

TClassMultiElement_EventLineMatcher::TClassMultiElement_EventLineMatcher(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 1); });
  lineMask = Make<TZEStrMask>([](auto& m) {
    m.Mask = "#;*;*";
    m.IgnoreCase = true;
  });
  steps = Make<TZEHub>(Outputs(2));
  lineFields = Make<TZEMultiStrPart>(Fields(3));
  rules = Make<TZEArrayEnum>();
  visiting = Make<TZEHub>(Outputs(2));
  ruleFields = Make<TZEMultiStrPart>(Fields(5));
  sameType = Make<TZEIf_else>([](auto& g) { g.Type = cmEqual; });
  sameBlock = Make<TZEIf_else>([](auto& g) { g.Type = cmEqual; });
  condition = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(5); });
  changeStatus = Make<TZEDoData>(Status("2"));
  for (size_t i = 0; i < tests.size(); ++i) {
    tests[i] = Make<TZEIf_else>([&](auto& g) { g.Type = kTests[i]; });
  }
  trueStatus = Make<TZEDoData>(Status("1"));
  falseStatus = Make<TZEDoData>(Status("0"));
  result = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "%1;%2";
    f.SetCount(2);
  });
  position = Make<TZEDoData>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Line], lineMask, &TZEStrMask::Check);
  Connect(lineMask->OnMatch, steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], lineFields, &TZEMultiStrPart::Split);
  Connect(steps->Outputs[1], rules, &TZEArrayEnum::Enum);
  Connect(rules->Array, boundary, &TZEEditMulti::DataOutput, Rules);

  // Each rule: same type, same block, then its condition.
  Connect(rules->OnItem, visiting, &TZEHub::Distribute);
  Connect(visiting->Outputs[0], ruleFields, &TZEMultiStrPart::Split);
  Connect(visiting->Outputs[1], sameType, &TZEIf_else::Compare);
  Connect(sameType->Op1Input, lineFields, &TZEMultiStrPart::Part, 0);
  Connect(sameType->Op2Input, ruleFields, &TZEMultiStrPart::Part, 1);
  Connect(sameType->OnTrue, sameBlock, &TZEIf_else::Compare);
  Connect(sameBlock->Op1Input, lineFields, &TZEMultiStrPart::Part, 1);
  Connect(sameBlock->Op2Input, ruleFields, &TZEMultiStrPart::Part, 2);
  Connect(sameBlock->OnTrue, condition, &TZEIndexToChanel::Route);
  Connect(condition->Index, ruleFields, &TZEMultiStrPart::Part, 4);

  Connect(condition->Channels[0], changeStatus, &TZEDoData::Emit);
  for (size_t i = 0; i < tests.size(); ++i) {
    Connect(condition->Channels[i + 1], tests[i], &TZEIf_else::Compare);
    Connect(tests[i]->Op1Input, lineFields, &TZEMultiStrPart::Part, 2);
    Connect(tests[i]->Op2Input, ruleFields, &TZEMultiStrPart::Part, 3);
    Connect(tests[i]->OnTrue, trueStatus, &TZEDoData::Emit);
    Connect(tests[i]->OnFalse, falseStatus, &TZEDoData::Emit);
  }

  // "status;value", then the rule is told, before the next rule is visited.
  for (TZEDoData* s : {changeStatus, trueStatus, falseStatus}) {
    Connect(s->OnEmit, result, &TZEFormatStr::Format);
  }
  Connect(result->Args[1], lineFields, &TZEMultiStrPart::Part, 2);
  Connect(result->OnResult, position, &TZEDoData::Emit);
  Connect(position->DataInput, rules, &TZEArrayEnum::Index);
  Connect(position->OnEmit, boundary, &TZEEditMulti::Action, OnRule);
  Connect(boundary->InnerDataInputs[StatusText], result, &TZEFormatStr::Result);
}

}  // namespace zorn
