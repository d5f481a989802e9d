#include "app/button_window/button_row_text.h"

namespace zorn {

namespace {

// Record line fields after the "=" became ";".
enum : uint16_t { kKey = 0, kType = 1, kBlock = 2, kValue = 3, kKind = 4, kCaption = 5, kWidth = 6 };

// Every digit has an entry, so that each record that matches the pattern
// gets its row text and its panel, and the positions of records and panels
// stay equal; digits without a name give an empty text.
constexpr const char* kTypeNames = "\r\n\r\n\r\n\r\n\r\nbool\r\nint\r\nstr\r\n\r\n\r\n";
constexpr const char* kKindNames =
    "Кнопка импульсная\r\nПереключятель\r\nКнопка с зажатием\r\nУстановка значения\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n";

}  // namespace

TClassMultiElement_ButtonRowText::TClassMultiElement_ButtonRowText(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(4));
  fields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(8);
  });
  typeNames = Make<TZEStrList>([](auto& l) { l.SetStrings(kTypeNames); });
  typeName = Make<TZEArrayRW>();
  kindNames = Make<TZEStrList>([](auto& l) { l.SetStrings(kKindNames); });
  kindName = Make<TZEArrayRW>();
  rowText = Make<TZEFormatStr>(
      Format("%1;%2;%3;%4;%5;%8;Блок: №%5 (%6), %7, Значение на выходе: \"%8\"", 8));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Record], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], fields, &TZEMultiStrPart::Split);
  Connect(steps->Outputs[1], typeName, &TZEArrayRW::Read);
  Connect(typeName->Array, typeNames, &TZEStrList::Array);
  Connect(typeName->IndexInput, fields, &TZEMultiStrPart::Part, kType);
  Connect(steps->Outputs[2], kindName, &TZEArrayRW::Read);
  Connect(kindName->Array, kindNames, &TZEStrList::Array);
  Connect(kindName->IndexInput, fields, &TZEMultiStrPart::Part, kKind);
  Connect(steps->Outputs[3], rowText, &TZEFormatStr::Format);
  Connect(rowText->Args[0], boundary, &TZEEditMulti::DataOutput, Position);
  Connect(rowText->Args[1], fields, &TZEMultiStrPart::Part, kCaption);
  Connect(rowText->Args[2], fields, &TZEMultiStrPart::Part, kWidth);
  Connect(rowText->Args[3], fields, &TZEMultiStrPart::Part, kKind);
  Connect(rowText->Args[4], fields, &TZEMultiStrPart::Part, kBlock);
  Connect(rowText->Args[5], typeName, &TZEArrayRW::Item);
  Connect(rowText->Args[6], kindName, &TZEArrayRW::Item);
  Connect(rowText->Args[7], fields, &TZEMultiStrPart::Part, kValue);
  Connect(rowText->OnResult, boundary, &TZEEditMulti::Action, OnRow);
}

}  // namespace zorn
