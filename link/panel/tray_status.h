// The tray-status scheme: a 200 ms timer shows the live-link flag
// "стат.  соед" as the tray icon (OnIcon, an Icon value), "ICON5" while it
// is 1 and "ICON4" otherwise. Start first puts the icon into the tray
// (OnShowIcon), then sets the picture at once.
#pragma once

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/timer.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

class TClassMultiElement_TrayStatus : public TClassMultiBase {
 public:
  TClassMultiElement_TrayStatus(TZEMultiElement* host, TElement* parentControl,
                                TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Start = 0 };
  enum Event : uint16_t { OnIcon = 0, OnShowIcon = 1 };

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZETimer* timer;
  TZEGlobalVar* liveLink;
  TZEIf_else* live;
  ui::TZEIcon* liveIcon;
  ui::TZEIcon* idleIcon;
  TZEDoData* liveEmitter;
  TZEDoData* idleEmitter;
};

}  // namespace zorn
