#include "app/event_window/rule_text.h"

namespace zorn {

namespace {

struct TNameList {
  const char* Names;  // one per line, the blank entry last
  int32_t Blank;      // the position of the blank entry
  uint16_t Field;     // the rule field holding the code
};
constexpr std::array<TNameList, 3> kNames = {{
    {"bool\r\nint\r\nstr\r\n\r\n", 3, 1},
    {"Изменение\r\nРавно\r\nНе равно\r\nБольше\r\nМеньше\r\n\r\n", 5, 4},
    {"Только запись\r\nПроиграть звук\r\nОткрыть файл\r\nГромкость ПК\r\nОтключить ПК\r\n"
     "Перезагрузить ПК\r\nЗаблокировать ПК\r\n\r\n",
     7, 6},
}};

enum TField : uint16_t { fdKey, fdType, fdBlock, fdValue, fdCondition, fdName, fdAction, fdFile };

}  // namespace

TClassMultiElement_EventRuleText::TClassMultiElement_EventRuleText(TZEMultiElement* host, TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(11));
  fields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(8);
  });
  for (size_t i = 0; i < kNames.size(); ++i) {
    names[i] = Make<TZEStrList>([&](auto& l) { l.SetStrings(kNames[i].Names); });
    lookups[i] = Make<TZEArrayRW>();
    blanks[i] = Make<TZEDoData>(IntValue(kNames[i].Blank));
    codes[i] = Make<TZEDoData>();
  }
  instanceText = Make<TZEFormatStr>(Format("%1;%2;%3;%4;%5;%6;%7", 7));
  description = Make<TZEFormatStr>(Format("%1, Блок:№%3 (%2), %4(%5), %6(%7)", 7));
  instanceOut = Make<TZEDoData>();
  descriptionOut = Make<TZEDoData>();

  Bind(boundary, host);

  // The fields, the three names, both texts, then both texts out.
  Connect(boundary->InnerEvents[Rule], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], fields, &TZEMultiStrPart::Split);
  for (size_t i = 0; i < kNames.size(); ++i) {
    Connect(steps->Outputs[1 + 2 * i], blanks[i], &TZEDoData::Emit);
    Connect(steps->Outputs[2 + 2 * i], codes[i], &TZEDoData::Emit);
    Connect(codes[i]->DataInput, fields, &TZEMultiStrPart::Part, kNames[i].Field);
    Connect(blanks[i]->OnEmit, lookups[i], &TZEArrayRW::Read);
    Connect(codes[i]->OnEmit, lookups[i], &TZEArrayRW::Read);
    Connect(lookups[i]->Array, names[i], &TZEStrList::Array);
  }
  Connect(steps->Outputs[7], instanceText, &TZEFormatStr::Format);
  Connect(steps->Outputs[8], description, &TZEFormatStr::Format);
  Connect(steps->Outputs[9], instanceOut, &TZEDoData::Emit);
  Connect(steps->Outputs[10], descriptionOut, &TZEDoData::Emit);

  auto& a = instanceText->Args;
  Connect(a[0], boundary, &TZEEditMulti::DataOutput, Position);
  Connect(a[1], fields, &TZEMultiStrPart::Part, fdName);
  Connect(a[2], lookups[nmCondition], &TZEArrayRW::Item);
  Connect(a[3], fields, &TZEMultiStrPart::Part, fdValue);
  Connect(a[4], fields, &TZEMultiStrPart::Part, fdAction);
  Connect(a[5], fields, &TZEMultiStrPart::Part, fdFile);
  Connect(a[6], lookups[nmAction], &TZEArrayRW::Item);
  auto& d = description->Args;
  Connect(d[0], fields, &TZEMultiStrPart::Part, fdName);
  Connect(d[1], lookups[nmType], &TZEArrayRW::Item);
  Connect(d[2], fields, &TZEMultiStrPart::Part, fdBlock);
  Connect(d[3], lookups[nmCondition], &TZEArrayRW::Item);
  Connect(d[4], fields, &TZEMultiStrPart::Part, fdValue);
  Connect(d[5], lookups[nmAction], &TZEArrayRW::Item);
  Connect(d[6], fields, &TZEMultiStrPart::Part, fdFile);

  Connect(instanceOut->DataInput, instanceText, &TZEFormatStr::Result);
  Connect(descriptionOut->DataInput, description, &TZEFormatStr::Result);
  Connect(instanceOut->OnEmit, boundary, &TZEEditMulti::Action, OnInstance);
  Connect(descriptionOut->OnEmit, boundary, &TZEEditMulti::Action, OnDescription);
}

}  // namespace zorn
