#include "link/panel/tray_status.h"

namespace zorn {

TClassMultiElement_TrayStatus::TClassMultiElement_TrayStatus(TZEMultiElement* host, TElement*,
                                                             TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(2));
  timer = Make<TZETimer>([](auto& t) {
    t.SetInterval(200);
    t.SetEnabled(true);
  });
  liveLink = Make<TZEGlobalVar>([](auto& g) { g.SetName("стат.  соед"); });
  live = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  liveIcon = Make<ui::TZEIcon>([](auto& i) {
    i.ResourceName = "ICON5";
  });
  idleIcon = Make<ui::TZEIcon>([](auto& i) {
    i.ResourceName = "ICON4";
  });
  liveEmitter = Make<TZEDoData>();
  idleEmitter = Make<TZEDoData>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Start], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], boundary, &TZEEditMulti::Action, OnShowIcon);
  Connect(steps->Outputs[1], live, &TZEIf_else::Compare);
  Connect(timer->OnTimer, live, &TZEIf_else::Compare);
  Connect(live->Op1Input, liveLink, &TZEGlobalVar::Value);
  Connect(live->OnTrue, liveEmitter, &TZEDoData::Emit);
  Connect(live->OnFalse, idleEmitter, &TZEDoData::Emit);
  Connect(liveEmitter->DataInput, liveIcon, &ui::TZEIcon::Icon);
  Connect(idleEmitter->DataInput, idleIcon, &ui::TZEIcon::Icon);
  Connect(liveEmitter->OnEmit, boundary, &TZEEditMulti::Action, OnIcon);
  Connect(idleEmitter->OnEmit, boundary, &TZEEditMulti::Action, OnIcon);
}

}  // namespace zorn
