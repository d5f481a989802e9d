#include "app/indicator_window/indicator_menu_state.h"

namespace zorn {

namespace {

// A two-state switch that starts on: its menu item starts available.
auto StartsOn() {
  return [](TZESwitch& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(false);
  };
}

}  // namespace

TClassMultiElement_IndicatorMenuState::TClassMultiElement_IndicatorMenuState(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorMenuState(host, parentScheme, true) {}

TClassMultiElement_IndicatorMenuState::TClassMultiElement_IndicatorMenuState(
    TZEMultiElement* host, TClassMultiBase* parentScheme, bool addAndTopmost)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 1); });
  selected = Make<TZEMemory>();
  itemPress = Make<TZEHub>(Outputs(4));
  areaButton = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  areaPress = Make<TZEHub>(Outputs(3));
  editAvailable = Make<TZESwitch>(StartsOn());
  addAvailable = addAndTopmost ? Make<TZESwitch>(StartsOn()) : nullptr;
  deleteAvailable = Make<TZESwitch>(StartsOn());
  for (size_t i = 0; i < itemIndex.size(); ++i) {
    itemIndex[i] = Make<TZEDoData>(IntValue(static_cast<int32_t>(i)));
  }
  setup = Make<TZEHub>(Outputs(addAndTopmost ? 3 : 1));
  blocks = addAndTopmost ? Make<TZEArrayRW>() : nullptr;
  noBlocks = addAndTopmost ? Make<TZEIf_else>([](auto& c) {
    c.Type = cmEqual;
    MakeInt(c.Op2, 1);
  })
                           : nullptr;
  checkItem = addAndTopmost ? Make<TZEMemory>([](auto& m) {
    TData four;
    MakeInt(four, 4);
    m.SetDefault(four);
  })
                            : nullptr;
  checkMark = addAndTopmost ? Make<TzeMT_AddData>([](auto& a) { a.SetCount(2); }) : nullptr;
  popup = Make<TZEDoData>();

  Bind(boundary, host);
  Connect(boundary->InnerDataInputs[Selected], selected, &TZEMemory::Value);

  // A press on an item selects it and makes edit and delete available.
  Connect(boundary->InnerEvents[ItemPress], itemPress, &TZEHub::Distribute);
  Connect(itemPress->Outputs[0], selected, &TZEMemory::Write);
  Connect(itemPress->Outputs[1], editAvailable, &TZESwitch::SwitchOn);
  Connect(itemPress->Outputs[2], deleteAvailable, &TZESwitch::SwitchOn);
  Connect(itemPress->Outputs[3], setup, &TZEHub::Distribute);

  // A right press on the empty area keeps the selection and makes them not.
  Connect(boundary->InnerEvents[AreaPress], areaButton, &TZEIndexToChanel::Route);
  Connect(areaButton->Channels[1], areaPress, &TZEHub::Distribute);
  Connect(areaPress->Outputs[0], editAvailable, &TZESwitch::SwitchOff);
  Connect(areaPress->Outputs[1], deleteAvailable, &TZESwitch::SwitchOff);
  Connect(areaPress->Outputs[2], setup, &TZEHub::Distribute);

  // An item's availability flips only when its switch changes.
  Connect(editAvailable->OnToggle, itemIndex[0], &TZEDoData::Emit);
  Connect(deleteAvailable->OnToggle, itemIndex[2], &TZEDoData::Emit);
  for (TZEDoData* item : itemIndex)
    Connect(item->OnEmit, boundary, &TZEEditMulti::Action, OnToggle);

  uint8_t last = 0;
  if (addAndTopmost) {
    // "Add" needs a known input block: the list holds more than its empty
    // first entry, or no list is delivered at all.
    Connect(addAvailable->OnToggle, itemIndex[1], &TZEDoData::Emit);
    Connect(setup->Outputs[0], noBlocks, &TZEIf_else::Compare);
    Connect(noBlocks->Op1Input, blocks, &TZEArrayRW::Count);
    Connect(blocks->Array, boundary, &TZEEditMulti::DataOutput, InputBlocks);
    Connect(noBlocks->OnTrue, addAvailable, &TZESwitch::SwitchOff);
    Connect(noBlocks->OnFalse, addAvailable, &TZESwitch::SwitchOn);
    Connect(setup->Outputs[1], checkMark, &TzeMT_AddData::Join);
    Connect(checkMark->Values[0], checkItem, &TZEMemory::Value);
    Connect(checkMark->Values[1], boundary, &TZEEditMulti::DataOutput, Topmost);
    Connect(checkMark->OnResult, boundary, &TZEEditMulti::Action, OnCheck);
    last = 2;
  }
  Connect(setup->Outputs[last], popup, &TZEDoData::Emit);
  Connect(popup->OnEmit, boundary, &TZEEditMulti::Action, OnPopup);
}

}  // namespace zorn
