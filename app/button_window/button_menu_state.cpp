#include "app/button_window/button_menu_state.h"

namespace zorn {

namespace {

constexpr int32_t kTopmostItem = 4;

void Enabled(TZESwitch& s) {
  MakeInt(s.DataOn, 1);
  MakeInt(s.DataOff, 0);
  s.SetStartOff(false);  // menu items start enabled
}

}  // namespace

TClassMultiElement_ButtonMenuState::TClassMultiElement_ButtonMenuState(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 1); });
  chosen = Make<TZEMemory>([](auto& m) {
    TData none;
    MakeInt(none, -1);
    m.SetDefault(none);
  });
  for (int32_t i = 0; i < 3; ++i) {
    itemEnabled[i] = Make<TZESwitch>(Enabled);
    itemIndex[i] = Make<TZEDoData>(IntValue(i));
  }
  panelPress = Make<TZEHub>(Outputs(4));
  windowPress = Make<TZEHub>(Outputs(3));
  opening = Make<TZEHub>(Outputs(3));
  blockList = Make<TZEArrayRW>();
  blocksReported = Make<TZEIf_else>([](auto& g) {
    g.Type = cmGreater;
    MakeInt(g.Op2, 1);
  });
  topmostItem = Make<TZEMemory>([](auto& m) {
    TData item;
    MakeInt(item, kTopmostItem);
    m.SetDefault(item);
  });
  topmostCheck = Make<TzeMT_AddData>([](auto& a) { a.SetCount(2); });

  Bind(boundary, host);

  Connect(boundary->InnerDataInputs[Chosen], chosen, &TZEMemory::Value);
  for (uint16_t i = 0; i < 3; ++i) {
    // An item's state changes only when it differs from the wanted one.
    Connect(itemEnabled[i]->OnOn, itemIndex[i], &TZEDoData::Emit);
    Connect(itemEnabled[i]->OnOff, itemIndex[i], &TZEDoData::Emit);
    Connect(itemIndex[i]->OnEmit, boundary, &TZEEditMulti::Action, OnToggle);
  }

  Connect(boundary->InnerEvents[PanelPress], panelPress, &TZEHub::Distribute);
  Connect(panelPress->Outputs[0], chosen, &TZEMemory::Write);
  Connect(panelPress->Outputs[1], itemEnabled[0], &TZESwitch::SwitchOn);
  Connect(panelPress->Outputs[2], itemEnabled[2], &TZESwitch::SwitchOn);
  Connect(panelPress->Outputs[3], opening, &TZEHub::Distribute);

  Connect(boundary->InnerEvents[WindowPress], windowPress, &TZEHub::Distribute);
  Connect(windowPress->Outputs[0], itemEnabled[0], &TZESwitch::SwitchOff);
  Connect(windowPress->Outputs[1], itemEnabled[2], &TZESwitch::SwitchOff);
  Connect(windowPress->Outputs[2], opening, &TZEHub::Distribute);

  Connect(opening->Outputs[0], blocksReported, &TZEIf_else::Compare);
  Connect(blocksReported->Op1Input, blockList, &TZEArrayRW::Count);
  Connect(blockList->Array, boundary, &TZEEditMulti::DataOutput, OutputBlocks);
  Connect(blocksReported->OnTrue, itemEnabled[1], &TZESwitch::SwitchOn);
  Connect(blocksReported->OnFalse, itemEnabled[1], &TZESwitch::SwitchOff);
  Connect(opening->Outputs[1], topmostCheck, &TzeMT_AddData::Join);
  Connect(topmostCheck->Values[0], topmostItem, &TZEMemory::Value);
  Connect(topmostCheck->Values[1], boundary, &TZEEditMulti::DataOutput, Topmost);
  Connect(topmostCheck->OnResult, boundary, &TZEEditMulti::Action, OnCheck);
  Connect(opening->Outputs[2], boundary, &TZEEditMulti::Action, OnPopup);
}

}  // namespace zorn
