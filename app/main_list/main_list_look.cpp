#include "app/main_list/main_list_look.h"

#include "app/main_list/row_font.h"

namespace zorn {

TClassMultiElement_MainListLook::TClassMultiElement_MainListLook(TZEMultiElement* host, TElement*,
                                                                 TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  inactiveFont = Make<ui::TZEFont>([](auto& f) { f.Font = RowFont(kInactiveColour); });
  activeFont = Make<ui::TZEFont>([](auto& f) { f.Font = RowFont(kActiveColour); });
  blinkTimer = Make<TZETimer>([](auto& t) {
    t.SetInterval(600);
    t.SetEnabled(false);
  });
  blink = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(false);
  });
  state = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  inactiveSteps = Make<TZEHub>(Outputs(4));
  activeSteps = Make<TZEHub>(Outputs(3));
  inactivePicture = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, InactivePicture));
  activePicture = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, ActivePicture));
  inactiveColour = Make<TZEDoData>(ValueOf(inactiveFont, &ui::TZEFont::Value));
  activeColour = Make<TZEDoData>(ValueOf(activeFont, &ui::TZEFont::Value));
  text = Make<TZEStrCat>();

  Bind(boundary, host);

  Connect(boundary->InnerEvents[State], state, &TZEIndexToChanel::Route);
  Connect(state->Channels[0], inactiveSteps, &TZEHub::Distribute);
  Connect(state->Channels[1], activeSteps, &TZEHub::Distribute);

  // Inactive: first picture, no blinking, the inactive colour.
  Connect(inactiveSteps->Outputs[0], inactivePicture, &TZEDoData::Emit);
  Connect(inactiveSteps->Outputs[1], blinkTimer, &TZETimer::Stop);
  Connect(inactiveSteps->Outputs[2], blink, &TZESwitch::SwitchOff);
  Connect(inactiveSteps->Outputs[3], text, &TZEStrCat::Concat);

  // Active: second picture and the colour blinking.
  Connect(activeSteps->Outputs[0], activePicture, &TZEDoData::Emit);
  Connect(activeSteps->Outputs[1], blinkTimer, &TZETimer::Start);
  Connect(activeSteps->Outputs[2], text, &TZEStrCat::Concat);
  Connect(blinkTimer->OnTimer, blink, &TZESwitch::Toggle);
  Connect(blink->OnOn, activeColour, &TZEDoData::Emit);
  Connect(blink->OnOff, inactiveColour, &TZEDoData::Emit);

  Connect(inactivePicture->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);
  Connect(activePicture->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);
  Connect(inactiveColour->OnEmit, boundary, &TZEEditMulti::Action, OnFont);
  Connect(activeColour->OnEmit, boundary, &TZEEditMulti::Action, OnFont);
  Connect(text->Str1Input, boundary, &TZEEditMulti::DataOutput, Caption);
  Connect(text->Str2Input, boundary, &TZEEditMulti::DataOutput, Value);
  Connect(text->OnResult, boundary, &TZEEditMulti::Action, OnText);
}

}  // namespace zorn
