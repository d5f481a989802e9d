#include "link/panel/reconnect.h"

namespace zorn {

namespace {

auto BitmapNamed(const char* name) {
  return [name](ui::TZEBitmap& b) {
    b.ResourceName = name;
  };
}

auto Text(const char* text) {
  return [text](TZEDoData& d) { MakeStr(d.Data, text); };
}

}  // namespace

TClassMultiElement_Reconnect::TClassMultiElement_Reconnect(TZEMultiElement* host, TElement*,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  linkSwitch = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  reconnectTimer = Make<TZETimer>(OneShot(10000));
  reconnecting = Make<TZEGlobalVar>([](auto& g) { g.SetName("reconnecting"); });
  lossGate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  switchedOn = Make<TZEHub>(Outputs(2));
  switchedOff = Make<TZEHub>(Outputs(4));
  lost = Make<TZEHub>(Outputs(4));
  connectSent = Make<TZEHub>(Outputs(2));
  stopCaption = Make<TZEDoData>(Text("Стоп"));
  startCaption = Make<TZEDoData>(Text("Старт"));
  disconnectValue = Make<TZEDoData>(IntValue(0));
  connectValue = Make<TZEDoData>(IntValue(1));
  stoppedBitmap = Make<ui::TZEBitmap>(BitmapNamed("BITMAP6"));
  waitingBitmap = Make<ui::TZEBitmap>(BitmapNamed("BITMAP8"));
  stoppedPicture = Make<TZEDoData>();
  waitingPicture = Make<TZEDoData>();
  requested = Make<TZECase>([](auto& c) {
    MakeInt(c.Value, 1);
    MakeInt(c.Data, 0);
  });
  settingsOn = Make<TZEDoData>(IntValue(1));

  Bind(boundary, host);

  // The button toggles the switch; its two states carry the connect value.
  Connect(boundary->InnerEvents[Toggle], linkSwitch, &TZESwitch::Toggle);
  Connect(linkSwitch->OnOn, switchedOn, &TZEHub::Distribute);
  Connect(switchedOn->Outputs[0], connectSent, &TZEHub::Distribute);
  Connect(switchedOn->Outputs[1], stopCaption, &TZEDoData::Emit);
  Connect(linkSwitch->OnOff, switchedOff, &TZEHub::Distribute);
  Connect(switchedOff->Outputs[0], connectSent, &TZEHub::Distribute);
  Connect(switchedOff->Outputs[1], startCaption, &TZEDoData::Emit);
  Connect(switchedOff->Outputs[2], reconnectTimer, &TZETimer::Stop, 1);
  Connect(switchedOff->Outputs[3], stoppedPicture, &TZEDoData::Emit);
  Connect(stopCaption->OnEmit, boundary, &TZEEditMulti::Action, OnCaption);
  Connect(startCaption->OnEmit, boundary, &TZEEditMulti::Action, OnCaption);
  Connect(stoppedPicture->DataInput, stoppedBitmap, &ui::TZEBitmap::Bitmap);
  Connect(stoppedPicture->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);

  // A loss either waits and connects again, with the switch left on, or
  // switches off as a click would. Stopping first makes a second loss
  // restart the full 10 s wait.
  Connect(boundary->InnerEvents[Lost], lossGate, &TZEIf_else::Compare);
  Connect(lossGate->Op1Input, reconnecting, &TZEGlobalVar::Value);
  Connect(lossGate->OnTrue, lost, &TZEHub::Distribute);
  Connect(lossGate->OnFalse, linkSwitch, &TZESwitch::SwitchOff);
  Connect(lost->Outputs[0], disconnectValue, &TZEDoData::Emit);
  Connect(lost->Outputs[1], reconnectTimer, &TZETimer::Stop, 1);
  Connect(lost->Outputs[2], reconnectTimer, &TZETimer::Start);
  Connect(lost->Outputs[3], waitingPicture, &TZEDoData::Emit);
  Connect(disconnectValue->OnEmit, connectSent, &TZEHub::Distribute);
  Connect(waitingPicture->DataInput, waitingBitmap, &ui::TZEBitmap::Bitmap);
  Connect(waitingPicture->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);
  Connect(reconnectTimer->OnTimer, connectValue, &TZEDoData::Emit);
  Connect(connectValue->OnEmit, connectSent, &TZEHub::Distribute);

  // Every connect value goes out and sets the settings button against it.
  Connect(connectSent->Outputs[0], boundary, &TZEEditMulti::Action, OnConnect);
  Connect(connectSent->Outputs[1], requested, &TZECase::Test);
  Connect(requested->OnMatch, boundary, &TZEEditMulti::Action, OnSettingsEnabled);
  Connect(requested->OnElse, settingsOn, &TZEDoData::Emit);
  Connect(settingsOn->OnEmit, boundary, &TZEEditMulti::Action, OnSettingsEnabled);
}

}  // namespace zorn
