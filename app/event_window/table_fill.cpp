#include "app/event_window/table_fill.h"

namespace zorn {

namespace {

void TwoCells(TZEMultiStrPart& s) {
  s.Delimiter = ";";
  s.SetCount(2);
}

}  // namespace

TClassMultiElement_EventTableFill::TClassMultiElement_EventTableFill(TZEMultiElement* host,
                                                                     TElement*,
                                                                     TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(3, 0); });
  filtering = Make<TZEMemory>([](auto& m) {
    TData off;
    MakeInt(off, 0);
    m.SetDefault(off);
  });
  shownName = Make<TZEMemory>();
  showAll = Make<TZEHub>(Outputs(3));
  filterOff = Make<TZEDoData>(IntValue(0));
  showSelected = Make<TZEHub>(Outputs(5));
  selectedCells = Make<TZEMultiStrPart>(TwoCells);
  filterOn = Make<TZEDoData>(IntValue(1));
  stored = Make<TZEArrayEnum>();
  unfiltered = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 0);
  });
  filtered = Make<TZEHub>(Outputs(2));
  rowCells = Make<TZEMultiStrPart>(TwoCells);
  sameName = Make<TZEIf_else>([](auto& g) { g.Type = cmEqual; });

  Bind(boundary, host);

  // Every row, new or stored, passes the same test.
  Connect(boundary->InnerEvents[Row], unfiltered, &TZEIf_else::Compare);
  Connect(unfiltered->Op1Input, filtering, &TZEMemory::Value);
  Connect(unfiltered->OnTrue, boundary, &TZEEditMulti::Action, OnAdd);
  Connect(unfiltered->OnFalse, filtered, &TZEHub::Distribute);
  Connect(filtered->Outputs[0], rowCells, &TZEMultiStrPart::Split);
  Connect(filtered->Outputs[1], sameName, &TZEIf_else::Compare);
  Connect(sameName->Op1Input, rowCells, &TZEMultiStrPart::Part, 1);
  Connect(sameName->Op2Input, shownName, &TZEMemory::Value);
  Connect(sameName->OnTrue, boundary, &TZEEditMulti::Action, OnAdd);

  Connect(boundary->InnerEvents[ShowAll], showAll, &TZEHub::Distribute);
  Connect(showAll->Outputs[0], filterOff, &TZEDoData::Emit);
  Connect(filterOff->OnEmit, filtering, &TZEMemory::Write);
  Connect(showAll->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(showAll->Outputs[2], stored, &TZEArrayEnum::Enum);

  Connect(boundary->InnerEvents[ShowSelected], showSelected, &TZEHub::Distribute);
  Connect(showSelected->Outputs[0], selectedCells, &TZEMultiStrPart::Split);
  Connect(selectedCells->Text, boundary, &TZEEditMulti::DataOutput, Selected);
  Connect(showSelected->Outputs[1], shownName, &TZEMemory::Write);
  Connect(shownName->Data, selectedCells, &TZEMultiStrPart::Part, 1);
  Connect(showSelected->Outputs[2], filterOn, &TZEDoData::Emit);
  Connect(filterOn->OnEmit, filtering, &TZEMemory::Write);
  Connect(showSelected->Outputs[3], boundary, &TZEEditMulti::Action, OnClear);
  Connect(showSelected->Outputs[4], stored, &TZEArrayEnum::Enum);

  Connect(stored->Array, boundary, &TZEEditMulti::DataOutput, Rows);
  Connect(stored->OnItem, unfiltered, &TZEIf_else::Compare);
}

}  // namespace zorn
