#include "app/indicator_window/indicator_sound.h"

namespace zorn {

TClassMultiElement_IndicatorSound::TClassMultiElement_IndicatorSound(TZEMultiElement* host,
                                                                     TElement*,
                                                                     TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorSound(host, parentScheme, "WAVE1", "sound.wav") {}

TClassMultiElement_IndicatorSound::TClassMultiElement_IndicatorSound(
    TZEMultiElement* host, TClassMultiBase* parentScheme, const char* resource, const char* file)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  playing = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  sound = Make<TZEPlaySound>([&](auto& p) {
    p.Mode = pmAsync;
    p.ResourceName = resource;
    p.FileName = file;
  });
  gate = Make<TZETimer>(OneShot(1000));
  start = Make<TZEHub>(Outputs(2));

  Bind(boundary, host);

  // Requests while the switch is on are dropped.
  Connect(boundary->InnerEvents[Play], playing, &TZESwitch::SwitchOn);
  Connect(playing->OnOn, start, &TZEHub::Distribute);
  Connect(start->Outputs[0], sound, &TZEPlaySound::Play);
  Connect(start->Outputs[1], gate, &TZETimer::Start);
  Connect(gate->OnTimer, playing, &TZESwitch::SwitchOff);
}

}  // namespace zorn
