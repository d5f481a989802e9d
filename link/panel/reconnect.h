// The start/stop scheme of the main panel. Toggle toggles the link switch
// (the start/stop button), Lost reports a lost serial link. OnConnect: the
// connect value (1 connect, 0 disconnect); OnCaption: the caption of the
// start/stop button; OnPicture: a status picture (Bitmap);
// OnSettingsEnabled: 0 after a connect, 1 after a disconnect.
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

  // Host points.
  enum Action : uint16_t { Toggle = 0, Lost = 1 };
  enum Event : uint16_t { OnConnect = 0, OnCaption = 1, OnPicture = 2, OnSettingsEnabled = 3 };

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
