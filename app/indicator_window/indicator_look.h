#pragma once

#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

// Inside each indicator panel: state picture, font colour and blinking.
// State: "0" or "1". Caption and Value: the caption and the current value.
class TClassMultiElement_IndicatorLook : public TClassMultiBase {
 public:
  TClassMultiElement_IndicatorLook(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { State = 0 };
  enum Event : uint16_t { OnPicture = 0, OnFont = 1, OnText = 2 };
  enum DataInput : uint16_t { InactivePicture = 0, ActivePicture = 1, Caption = 2, Value = 3 };

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
