#pragma once

#include "elements/str_join.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

// The row look: picture by state; while active the font colour blinks. The
// text, the caption followed directly by the current value, is rebuilt on
// every state. Points as the indicator look's.
class TClassMultiElement_MainListLook : public TClassMultiBase {
 public:
  TClassMultiElement_MainListLook(TZEMultiElement* host, TElement* parentControl,
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
  TZEDoData* inactiveColour;
  TZEDoData* activeColour;
  TZEStrCat* text;
};

}  // namespace zorn
