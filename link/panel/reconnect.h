// The start/stop scheme of the main panel. Host action 0 toggles the link
// switch (the start/stop button), host action 1 reports a lost serial link.
// Host events: 0 the connect value (1 connect, 0 disconnect), 1 the caption
// of the start/stop button, 2 a status picture (Bitmap), 3 the enabled state
// of the settings button (0 after a connect, 1 after a disconnect).
#pragma once

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/state.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

class TClassMultiElement_Reconnect : public TClassMultiBase {
 public:
  TClassMultiElement_Reconnect(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  TZEEditMulti* boundary;
  TZESwitch* linkSwitch;
  TZETimer* reconnectTimer;
  TZEGlobalVar* reconnecting;
  TZEIf_else* lossGate;
  TZEHub* switchedOn;
  TZEHub* switchedOff;
  TZEHub* lost;
  TZEHub* connectSent;
  TZEDoData* stopCaption;
  TZEDoData* startCaption;
  TZEDoData* disconnectValue;
  TZEDoData* connectValue;
  ui::TZEBitmap* stoppedBitmap;
  ui::TZEBitmap* waitingBitmap;
  TZEDoData* stoppedPicture;
  TZEDoData* waitingPicture;
  TZECase* requested;  // a connect disables the settings button
  TZEDoData* settingsOn;
};

}  // namespace zorn
