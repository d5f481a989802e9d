#include "link/panel/block_menu.h"

namespace zorn {

namespace {

constexpr std::array<const char*, 2> kItemMasks = {"Вход:(%1) №%2", "Выход:(%1) №%2"};

}  // namespace

TClassMultiElement_BlockMenu::TClassMultiElement_BlockMenu(TZEMultiElement* host, TElement*,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(3, 0); });
  chooseOutputs = Make<TZEDoData>(IntValue(1));
  chooseInputs = Make<TZEDoData>(IntValue(0));
  choice = Make<TZEMemory>([](auto& m) {
    TData inputs;
    MakeInt(inputs, 0);
    m.SetDefault(inputs);
  });
  chosenList = Make<TZEGetIndexData>([](auto& g) { g.SetCount(2); });
  showSteps = Make<TZEHub>(Outputs(4));
  entries = Make<TZEArrayEnum>();
  entryFields = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(2);
  });
  // Indexed by the type code, a name for every digit (empty for 3, 4, 8 and
  // 9), so that every entry gets its item and a pick of item n is entry n + 1.
  typeNames = Make<TZEStrList>(
      [](auto& l) { l.SetStrings("bool\r\nint\r\nstr\r\n\r\n\r\nbool\r\nint\r\nstr\r\n\r\n\r\n"); });
  typeName = Make<TZEArrayRW>();
  itemKind = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  for (size_t i = 0; i < itemTexts.size(); ++i) {
    itemTexts[i] = Make<TZEFormatStr>([&](auto& f) {
      f.Mask = kItemMasks[i];
      f.SetCount(2);
    });
  }
  entryIndex = Make<TZEMath>([](auto& m) {
    m.Operation = moAdd;
    m.Op2 = 1;
  });
  pickedEntry = Make<TZEArrayRW>();
  pickKind = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });

  Bind(boundary, host);

  // Choosing a list remembers it, then rebuilds and shows the menu.
  Connect(boundary->InnerEvents[ShowOutputs], chooseOutputs, &TZEDoData::Emit);
  Connect(boundary->InnerEvents[ShowInputs], chooseInputs, &TZEDoData::Emit);
  Connect(chooseOutputs->OnEmit, choice, &TZEMemory::Write);
  Connect(chooseInputs->OnEmit, choice, &TZEMemory::Write);
  Connect(choice->OnChange, showSteps, &TZEHub::Distribute);
  Connect(chosenList->Inputs[0], boundary, &TZEEditMulti::DataOutput, InputBlocks);
  Connect(chosenList->Inputs[1], boundary, &TZEEditMulti::DataOutput, OutputBlocks);
  Connect(showSteps->Outputs[0], chosenList, &TZEGetIndexData::SetIndex);
  Connect(showSteps->Outputs[1], boundary, &TZEEditMulti::Action, OnClear);
  Connect(showSteps->Outputs[2], entries, &TZEArrayEnum::Enum);
  Connect(showSteps->Outputs[3], boundary, &TZEEditMulti::Action, OnPopup);

  // One item per entry with a ";"; the empty first entry has none.
  Connect(entries->Array, chosenList, &TZEGetIndexData::Value);
  Connect(entries->OnItem, entryFields, &TZEMultiStrPart::Split);
  Connect(entryFields->OnSplit, typeName, &TZEArrayRW::Read);
  Connect(typeName->Array, typeNames, &TZEStrList::Array);
  Connect(typeName->IndexInput, entryFields, &TZEMultiStrPart::Part, 0);
  Connect(typeName->OnRead, itemKind, &TZEIndexToChanel::Route);
  Connect(itemKind->Index, choice, &TZEMemory::Value);
  for (size_t i = 0; i < itemTexts.size(); ++i) {
    Connect(itemKind->Channels[i], itemTexts[i], &TZEFormatStr::Format);
    Connect(itemTexts[i]->Args[0], typeName, &TZEArrayRW::Item);
    Connect(itemTexts[i]->Args[1], entryFields, &TZEMultiStrPart::Part, 1);
    Connect(itemTexts[i]->OnResult, boundary, &TZEEditMulti::Action, OnItem);
  }

  // A pick names entry n + 1, the first entry being the empty one.
  Connect(boundary->InnerEvents[Pick], entryIndex, &TZEMath::Calc);
  Connect(entryIndex->OnResult, pickedEntry, &TZEArrayRW::Read);
  Connect(pickedEntry->Array, chosenList, &TZEGetIndexData::Value);
  Connect(pickedEntry->OnRead, pickKind, &TZEIndexToChanel::Route);
  Connect(pickKind->Index, choice, &TZEMemory::Value);
  Connect(pickKind->DataInput, pickedEntry, &TZEArrayRW::Item);
  Connect(pickKind->Channels[0], boundary, &TZEEditMulti::Action, OnInputBlock);
  Connect(pickKind->Channels[1], boundary, &TZEEditMulti::Action, OnOutputBlock);
}

}  // namespace zorn
