#include "app/event_window/event_rule.h"

namespace zorn {

namespace {

enum TPart : uint16_t { ptPosition, ptName, ptCondition, ptValue, ptAction, ptFile, ptActionName };

void RowFormat(TZEFormatStr& f) {
  f.Mask = "%1;%2 %3;%4;%5";
  f.SetCount(5);
}

}  // namespace

TClassMultiElementEx_EventRule::TClassMultiElementEx_EventRule(TZEMultiElementEx* host, TElement*,
                                                               TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMultiEx>([](auto& b) { b.SetCounts(3, 0); });
  parts = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(7);
  });
  receiving = Make<TZEHub>(Outputs(2));
  result = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(2);
  });
  status = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(3); });
  armed = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  change = Make<TZEChangeMon>();
  changed = Make<TZEHub>(Outputs(3));
  values = Make<TZEMemFifo>([](auto& f) { f.SetSize(2); });
  primed = Make<TZEMemory>([](auto& m) {
    TData no;
    MakeInt(no, 0);
    m.SetDefault(no);
  });
  afterFirst = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  primeDone = Make<TZEDoData>(IntValue(1));
  row = Make<TZEFormatStr>(RowFormat);
  changeRow = Make<TZEFormatStr>(RowFormat);
  firing = Make<TZEHub>(Outputs(2));
  action = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(7); });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Setup], parts, &TZEMultiStrPart::Split);

  // A line for this rule: its status picks what happens.
  Connect(boundary->InnerEvents[Line], receiving, &TZEHub::Distribute);
  Connect(receiving->Outputs[0], result, &TZEMultiStrPart::Split);
  Connect(result->Text, boundary, &TZEEditMultiEx::DataOutput, StatusText);
  Connect(receiving->Outputs[1], status, &TZEIndexToChanel::Route);
  Connect(status->Index, result, &TZEMultiStrPart::Part, 0);
  Connect(status->Channels[0], armed, &TZESwitch::SwitchOff);
  Connect(status->Channels[1], armed, &TZESwitch::SwitchOn);
  Connect(status->Channels[2], change, &TZEChangeMon::Check);
  Connect(armed->OnOn, row, &TZEFormatStr::Format);

  // A change: remember it; every change but the first one fires.
  Connect(change->DataInput, result, &TZEMultiStrPart::Part, 1);
  Connect(change->OnChange, changed, &TZEHub::Distribute);
  Connect(changed->Outputs[0], values, &TZEMemFifo::Push);
  Connect(values->Data, result, &TZEMultiStrPart::Part, 1);
  Connect(changed->Outputs[1], afterFirst, &TZEIf_else::Compare);
  Connect(afterFirst->Op1Input, primed, &TZEMemory::Value);
  Connect(afterFirst->OnTrue, changeRow, &TZEFormatStr::Format);
  Connect(changed->Outputs[2], primeDone, &TZEDoData::Emit);
  Connect(primeDone->OnEmit, primed, &TZEMemory::Write);

  // The rows: the rule's value, or in change form the previous value.
  for (TZEFormatStr* f : {row, changeRow}) {
    Connect(f->Args[0], parts, &TZEMultiStrPart::Part, ptName);
    Connect(f->Args[1], parts, &TZEMultiStrPart::Part, ptCondition);
    Connect(f->Args[4], parts, &TZEMultiStrPart::Part, ptActionName);
    Connect(f->OnResult, firing, &TZEHub::Distribute);
  }
  Connect(row->Args[2], parts, &TZEMultiStrPart::Part, ptValue);
  Connect(row->Args[3], result, &TZEMultiStrPart::Part, 1);
  Connect(changeRow->Args[2], values, &TZEMemFifo::Item, 1);
  Connect(changeRow->Args[3], values, &TZEMemFifo::Item, 0);

  // Firing: the row, then the action of the code with the file.
  Connect(firing->Outputs[0], boundary, &TZEEditMultiEx::Action, OnRow);
  Connect(firing->Outputs[1], action, &TZEIndexToChanel::Route);
  Connect(action->Index, parts, &TZEMultiStrPart::Part, ptAction);
  Connect(action->DataInput, parts, &TZEMultiStrPart::Part, ptFile);
  for (uint16_t code = 1; code < 7; ++code) {
    Connect(action->Channels[code], boundary, &TZEEditMultiEx::Action, code);
  }
}

}  // namespace zorn
