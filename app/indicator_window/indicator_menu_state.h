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
// Actions: 0 a right press on item k, 1 a press on the empty area (Int
// mouse button). Data inputs: 0 the input-block list, 1 the topmost flag.
// Events: 0 toggle the availability of item n (Int n), 1 set the check
// mark (Int 4 followed by the flag), 2 open the menu. Data output 0: the
// selected index.
class TClassMultiElement_IndicatorMenuState : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorMenuState(TZEMultiElement* host, TElement* parentControl,
                                        TClassMultiBase* parentScheme);

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
