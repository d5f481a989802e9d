#include "app/editors/button_kind_list.h"

#include "app/editors/editor_types.h"

namespace zorn {

TClassMultiElement_ButtonKindList::TClassMultiElement_ButtonKindList(TZEMultiElement* host, TElement*,
                                                                     TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(3));
  byType = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(kTypeCodes); });
  boolKinds = Make<TZEStrList>([](auto& l) {
    l.SetStrings("Импульсная кнопка\r\nПереключатель\r\nКнопка с зажатием");
  });
  valueKinds = Make<TZEStrList>([](auto& l) {
    l.SetStrings("Импульсная кнопка\r\nПереключатель\r\nКнопка с зажатием\r\nУстановка значения");
  });
  boolEnum = Make<TZEArrayEnum>();
  valueEnum = Make<TZEArrayEnum>();
  select = Make<TZEDoData>();
  Bind(boundary, host);

  Connect(boundary->InnerEvents[Type], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], boundary, &TZEEditMulti::Action, OnClear);
  Connect(steps->Outputs[1], byType, &TZEIndexToChanel::Route);
  Connect(steps->Outputs[2], select, &TZEDoData::Emit);
  for (int32_t code = 0; code < kTypeCodes; ++code) {
    const bool isBool = code == 5;
    Connect(byType->Channels[code], isBool ? boolEnum : valueEnum, &TZEArrayEnum::Enum);
  }
  Connect(boolEnum->Array, boolKinds, &TZEStrList::Array);
  Connect(valueEnum->Array, valueKinds, &TZEStrList::Array);
  Connect(boolEnum->OnItem, boundary, &TZEEditMulti::Action, OnAdd);
  Connect(valueEnum->OnItem, boundary, &TZEEditMulti::Action, OnAdd);
  Connect(select->DataInput, boundary, &TZEEditMulti::DataOutput, Kind);
  Connect(select->OnEmit, boundary, &TZEEditMulti::Action, OnSelect);
}

}  // namespace zorn
