#include "app/indicator_window/indicator_line_matcher.h"

namespace zorn {

namespace {

// The comparisons of conditions 0 to 3, value (left) against compare value.
constexpr std::array<uint8_t, 4> kConditionModes = {cmEqual, cmNotEqual, cmGreater, cmLess};

auto StrValue(const char* text) {
  return [=](TZEDoData& d) { MakeStr(d.Data, text); };
}

}  // namespace

TClassMultiElement_IndicatorLineMatcher::TClassMultiElement_IndicatorLineMatcher(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 1); });
  mask = Make<TZEStrMask>([](auto& m) {
    m.Mask = "#;*;*";
    m.IgnoreCase = true;
  });
  line = Make<TZEMultiStrPart>(Parts(3));
  records = Make<TZEArrayEnum>();
  record = Make<TZEMultiStrPart>(Parts(5));
  sameType = Make<TZEIf_else>([](auto& c) { c.Type = cmEqual; });
  sameBlock = Make<TZEIf_else>([](auto& c) { c.Type = cmEqual; });
  condition = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(4); });
  for (size_t i = 0; i < compare.size(); ++i) {
    compare[i] = Make<TZEIf_else>([&](auto& c) { c.Type = kConditionModes[i]; });
  }
  active = Make<TZEDoData>(StrValue("1"));
  inactive = Make<TZEDoData>(StrValue("0"));
  stateText = Make<TZEStrCatDelim>([](auto& s) { s.Delimiter = ";"; });
  address = Make<TZEDoData>();

  Bind(boundary, host);
  Connect(boundary->InnerDataInputs[StateText], stateText, &TZEStrCatDelim::Result);

  Connect(boundary->InnerEvents[Line], mask, &TZEStrMask::Check);
  Connect(mask->OnMatch, line, &TZEMultiStrPart::Split);
  Connect(line->OnSplit, records, &TZEArrayEnum::Enum);
  Connect(records->Array, boundary, &TZEEditMulti::DataOutput, Records);
  Connect(records->OnItem, record, &TZEMultiStrPart::Split);

  // Concerned: type and block agree as exact texts.
  Connect(record->OnSplit, sameType, &TZEIf_else::Compare);
  Connect(sameType->Op1Input, line, &TZEMultiStrPart::Part, 0);
  Connect(sameType->Op2Input, record, &TZEMultiStrPart::Part, 1);
  Connect(sameType->OnTrue, sameBlock, &TZEIf_else::Compare);
  Connect(sameBlock->Op1Input, line, &TZEMultiStrPart::Part, 1);
  Connect(sameBlock->Op2Input, record, &TZEMultiStrPart::Part, 2);

  // The state by condition; a code outside 0 to 3 reaches no channel.
  Connect(sameBlock->OnTrue, condition, &TZEIndexToChanel::Route);
  Connect(condition->Index, record, &TZEMultiStrPart::Part, 4);
  for (size_t i = 0; i < compare.size(); ++i) {
    Connect(condition->Channels[i], compare[i], &TZEIf_else::Compare);
    Connect(compare[i]->Op1Input, line, &TZEMultiStrPart::Part, 2);
    Connect(compare[i]->Op2Input, record, &TZEMultiStrPart::Part, 3);
    Connect(compare[i]->OnTrue, active, &TZEDoData::Emit);
    Connect(compare[i]->OnFalse, inactive, &TZEDoData::Emit);
  }
  Connect(active->OnEmit, stateText, &TZEStrCatDelim::Concat);
  Connect(inactive->OnEmit, stateText, &TZEStrCatDelim::Concat);
  Connect(stateText->Str2Input, line, &TZEMultiStrPart::Part, 2);

  // Tell panel k; it reads the state text back before the next record.
  Connect(stateText->OnResult, address, &TZEDoData::Emit);
  Connect(address->DataInput, records, &TZEArrayEnum::Index);
  Connect(address->OnEmit, boundary, &TZEEditMulti::Action, OnRecord);
}

}  // namespace zorn
