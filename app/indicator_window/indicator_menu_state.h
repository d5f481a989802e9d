#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/multi_data.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// Remembers the selected item and sets the popup menu up before it opens.
// ItemPress: a right press on item k; AreaPress: a press on the empty area
// (Int mouse button). Topmost: the topmost flag. OnToggle: toggle the
// availability of item n (Int n); OnCheck: set the check mark (Int 4
// followed by the flag); OnPopup: open the menu. Selected: the selected
// index.
class TClassMultiElement_IndicatorMenuState : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorMenuState(TZEMultiElement* host, TElement* parentControl,
                                        TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { ItemPress = 0, AreaPress = 1 };
  enum Event : uint16_t { OnToggle = 0, OnCheck = 1, OnPopup = 2 };
  enum DataInput : uint16_t { InputBlocks = 0, Topmost = 1 };
  enum DataOutput : uint16_t { Selected = 0 };

  TZEEditMulti* boundary;
  TZEMemory* selected;
  TZEHub* itemPress;
  TZEIndexToChanel* areaButton;
  TZEHub* areaPress;
  TZESwitch* editAvailable;
  TZESwitch* addAvailable;     // indicator window only
  TZESwitch* deleteAvailable;
  std::array<TZEDoData*, 3> itemIndex;
  TZEHub* setup;
  TZEArrayRW* blocks;          // indicator window only
  TZEIf_else* noBlocks;        // indicator window only
  TZEMemory* checkItem;        // indicator window only
  TzeMT_AddData* checkMark;    // indicator window only
  TZEDoData* popup;

 protected:
  TClassMultiElement_IndicatorMenuState(TZEMultiElement* host, TClassMultiBase* parentScheme,
                                        bool addAndTopmost);
};

}  // namespace zorn
