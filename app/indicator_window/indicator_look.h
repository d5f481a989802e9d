#pragma once

#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

// Inside each indicator panel: state picture, font colour and blinking.
// Action 0: the state ("0" or "1"). Data inputs: 0 inactive picture,
// 1 active picture, 2 caption, 3 current value. Events: 0 picture, 1 font,
// 2 text.
class TClassMultiElement_IndicatorLook : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLook(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  ui::TZEFont* inactiveFont;
  ui::TZEFont* activeFont;
  TZETimer* blinkTimer;
  TZESwitch* blink;
  TZEIndexToChanel* state;
  TZEHub* inactiveSteps;
  TZEHub* activeSteps;
  TZEDoData* inactivePicture;
  TZEDoData* activePicture;
  TZEDoData* cyan;
  TZEDoData* red;
  TZEDoData* valueText;
  TZEDoData* captionText;
};

}  // namespace zorn
