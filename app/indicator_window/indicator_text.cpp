#include "app/indicator_window/indicator_text.h"

namespace zorn {

namespace {

auto Names(const char* lines) {
  return [=](TZEStrList& l) { l.SetStrings(lines); };
}

}  // namespace

TClassMultiElement_IndicatorText::TClassMultiElement_IndicatorText(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  fields = Make<TZEMultiStrPart>(Parts(8));
  steps = Make<TZEHub>(Outputs(2));
  typeNames = Make<TZEStrList>(Names("bool\r\nint\r\nstr"));
  typeName = Make<TZEArrayRW>();
  conditionNames = Make<TZEStrList>(Names("равно\r\nне равно\r\nбольше\r\nменьше "));
  conditionName = Make<TZEArrayRW>();
  signalNames = Make<TZEStrList>(Names("отключен\r\nвключен"));
  signalName = Make<TZEArrayRW>();
  line = Make<TZEFormatStr>(
      Format("%1;%2;%3;%4;Блок: №%5 (%6), Значение %7 \"%8\", Сигнал: %9", 9));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Record], fields, &TZEMultiStrPart::Split);
  Connect(fields->OnSplit, steps, &TZEHub::Distribute);
  // Each lookup starts the next only when it succeeds; a failed one keeps
  // the names of the record before.
  Connect(steps->Outputs[0], typeName, &TZEArrayRW::Read);
  Connect(typeName->Array, typeNames, &TZEStrList::Array);
  Connect(typeName->IndexInput, fields, &TZEMultiStrPart::Part, 1);
  Connect(typeName->OnRead, conditionName, &TZEArrayRW::Read);
  Connect(conditionName->Array, conditionNames, &TZEStrList::Array);
  Connect(conditionName->IndexInput, fields, &TZEMultiStrPart::Part, 4);
  Connect(conditionName->OnRead, signalName, &TZEArrayRW::Read);
  Connect(signalName->Array, signalNames, &TZEStrList::Array);
  Connect(signalName->IndexInput, fields, &TZEMultiStrPart::Part, 7);
  Connect(steps->Outputs[1], line, &TZEFormatStr::Format);
  Connect(line->Args[0], boundary, &TZEEditMulti::DataOutput, Index);
  Connect(line->Args[1], fields, &TZEMultiStrPart::Part, 5);
  Connect(line->Args[2], fields, &TZEMultiStrPart::Part, 6);
  Connect(line->Args[3], fields, &TZEMultiStrPart::Part, 7);
  Connect(line->Args[4], fields, &TZEMultiStrPart::Part, 2);
  Connect(line->Args[5], typeName, &TZEArrayRW::Item);
  Connect(line->Args[6], conditionName, &TZEArrayRW::Item);
  Connect(line->Args[7], fields, &TZEMultiStrPart::Part, 3);
  Connect(line->Args[8], signalName, &TZEArrayRW::Item);
  Connect(line->OnResult, boundary, &TZEEditMulti::Action, OnLine);
}

}  // namespace zorn
