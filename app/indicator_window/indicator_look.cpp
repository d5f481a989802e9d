#include "app/indicator_window/indicator_look.h"

namespace zorn {

namespace {

constexpr uint32_t kCyan = 0x00FFFF00;  // 0x00BBGGRR
constexpr uint32_t kRed = 0x000000FF;

auto StateFont(uint32_t color) {
  return [=](ui::TZEFont& f) { f.Font = TFontRec{"MS Sans Serif", 10, 1, color, 204}; };
}

}  // namespace

TClassMultiElement_IndicatorLook::TClassMultiElement_IndicatorLook(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  inactiveFont = Make<ui::TZEFont>(StateFont(kCyan));
  activeFont = Make<ui::TZEFont>(StateFont(kRed));
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
  cyan = Make<TZEDoData>(ValueOf(inactiveFont, &ui::TZEFont::Value));
  red = Make<TZEDoData>(ValueOf(activeFont, &ui::TZEFont::Value));
  valueText = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, Value));
  captionText = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, Caption));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[State], state, &TZEIndexToChanel::Route);
  Connect(state->Channels[0], inactiveSteps, &TZEHub::Distribute);
  Connect(state->Channels[1], activeSteps, &TZEHub::Distribute);

  // Inactive: first picture, cyan, no blinking, the caption.
  Connect(inactiveSteps->Outputs[0], inactivePicture, &TZEDoData::Emit);
  Connect(inactiveSteps->Outputs[1], cyan, &TZEDoData::Emit);
  Connect(inactiveSteps->Outputs[2], blinkTimer, &TZETimer::Stop);
  Connect(inactiveSteps->Outputs[3], blink, &TZESwitch::SwitchOff);

  // Active: second picture, red, blinking between value and caption.
  Connect(activeSteps->Outputs[0], activePicture, &TZEDoData::Emit);
  Connect(activeSteps->Outputs[1], red, &TZEDoData::Emit);
  Connect(activeSteps->Outputs[2], blinkTimer, &TZETimer::Start);
  Connect(blinkTimer->OnTimer, blink, &TZESwitch::Toggle);
  Connect(blink->OnOn, valueText, &TZEDoData::Emit);
  Connect(blink->OnOff, captionText, &TZEDoData::Emit);

  for (TZEDoData* picture : {inactivePicture, activePicture}) {
    Connect(picture->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);
  }
  for (TZEDoData* font : {cyan, red})
    Connect(font->OnEmit, boundary, &TZEEditMulti::Action, OnFont);
  for (TZEDoData* text : {valueText, captionText}) {
    Connect(text->OnEmit, boundary, &TZEEditMulti::Action, OnText);
  }
}

}  // namespace zorn
