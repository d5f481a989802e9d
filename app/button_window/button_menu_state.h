// The popup menu's state of the button window.
#pragma once

#include <array>

#include "elements/array_ops.h"
#include "elements/multi_data.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// Actions: 0 a right press on the panel at the given position, 1 a right
// press on the window outside the panels. Events: 0 toggle the enabled
// state of item i (Int i), 1 set the check mark of item 4 (Int 4 followed
// by the state), 2 pop the menu up. Data inputs: 0 the output-block list,
// 1 the always-on-top state. Data output 0: the chosen position.
//
// "Редактировать" (0) and "Удалить кнопку" (2) are enabled after a press
// on a panel only; "Добавить кнопку" (1) once the list holds more than its
// initial empty entry.
class TClassMultiElement_ButtonMenuState : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonMenuState(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZEMemory* chosen;
  std::array<TZESwitch*, 3> itemEnabled;
  std::array<TZEDoData*, 3> itemIndex;
  TZEHub* panelPress;
  TZEHub* windowPress;
  TZEHub* opening;
  TZEArrayRW* blockList;
  TZEIf_else* blocksReported;
  TZEMemory* topmostItem;  // the index 4
  TzeMT_AddData* topmostCheck;
};

}  // namespace zorn
