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

// PanelPress: a right press on the panel at the given position;
// WindowPress: a right press on the window outside the panels. OnToggle:
// toggle the enabled state of item i (Int i); OnCheck: set the check mark
// of item 4 (Int 4 followed by the state); OnPopup: pop the menu up.
// Topmost: the always-on-top state. Chosen: the chosen position.
//
// "Редактировать" (0) and "Удалить кнопку" (2) are enabled after a press
// on a panel only; "Добавить кнопку" (1) once the list holds more than its
// initial empty entry.
class TClassMultiElement_ButtonMenuState : public TClassMultiBase {
 public:
  TClassMultiElement_ButtonMenuState(TZEMultiElement* host, TElement* parentControl,
                                     TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { PanelPress = 0, WindowPress = 1 };
  enum Event : uint16_t { OnToggle = 0, OnCheck = 1, OnPopup = 2 };
  enum DataInput : uint16_t { OutputBlocks = 0, Topmost = 1 };
  enum DataOutput : uint16_t { Chosen = 0 };

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
