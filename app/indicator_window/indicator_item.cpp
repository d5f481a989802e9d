#include "app/indicator_window/indicator_parts.h"

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
  inactivePicture = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, 0));
  activePicture = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, 1));
  cyan = Make<TZEDoData>(ValueOf(inactiveFont, &ui::TZEFont::Value));
  red = Make<TZEDoData>(ValueOf(activeFont, &ui::TZEFont::Value));
  valueText = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, 3));
  captionText = Make<TZEDoData>(ValueOf(boundary, &TZEEditMulti::DataOutput, 2));

  Bind(boundary, host);

  Connect(boundary->InnerEvents[0], state, &TZEIndexToChanel::Route);
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
    Connect(picture->OnEmit, boundary, &TZEEditMulti::Action, 0);
  }
  for (TZEDoData* font : {cyan, red}) Connect(font->OnEmit, boundary, &TZEEditMulti::Action, 1);
  for (TZEDoData* text : {valueText, captionText}) {
    Connect(text->OnEmit, boundary, &TZEEditMulti::Action, 2);
  }
}

TClassChildPanelEx_IndicatorItem::TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme)
    : TClassChildPanelEx_IndicatorItem(
          host, parentControl, parentScheme,
          {19, true, kLayout, &SchemeFactory<TClassMultiElement_IndicatorLook>,
           TFontRec{"MS Sans Serif", 8, 0, 0, 1}}) {}

TClassChildPanelEx_IndicatorItem::TClassChildPanelEx_IndicatorItem(TZEMultiElementEx* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme,
                                                                   const TSetup& setup)
    : TClassMultiBase(parentScheme) {
  auto* window = dynamic_cast<ui::TZEWin*>(parentControl);
  boundary = Make<TZEEditMultiEx>([](auto& b) { b.SetCounts(3, 0); });
  panel = Make<ui::TZEPanel>([&](auto& p) {
    p.Parent = window;
    p.Height = setup.Height;
    p.LayoutName = setup.Layout;
  });
  picture = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = panel;
    i.Left = 1;
    i.Top = 1;
    i.Width = 115;
    i.Height = 17;
    i.Align = ui::alClient;
    i.Stretch = true;  // the state picture fills a panel of any width
  });
  text = Make<ui::TZELabel>([&](auto& l) {
    l.Parent = panel;
    l.Left = 1;
    l.Top = 1;
    l.Width = 115;
    l.Height = 17;
    l.Align = ui::alClient;
    l.Text = "Label";
    l.Font = setup.Font;
  });
  changes = Make<TZEChangeMon>([](auto& c) {
    TData zero;
    MakeInt(zero, 0);
    c.SetInitial(zero);
  });
  look = Make<TZEMultiElement>([](auto& l) {
    l.SetEventCount(3);
    l.SetDataInputCount(4);
  });
  setupParts = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(4);
  });
  description = Make<TZEMemory>();
  setupSteps = Make<TZEHub>(Outputs(4));
  initialState = Make<TZEDoData>([](auto& d) { MakeStr(d.Data, "0"); });
  width = setup.RecordWidth ? Make<TZEDoData>(ValueOf(setupParts, &TZEMultiStrPart::Part, 2))
                            : nullptr;
  stateParts = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(1);
  });
  value = Make<TZEMemory>();
  stateSteps = Make<TZEHub>(Outputs(4));
  state = Make<TZEDoData>(ValueOf(stateParts, &TZEMultiStrPart::Part, 0));
  signalOn = Make<TZEIf_else>([](auto& c) {
    c.Type = cmEqual;
    MakeStr(c.Op2, "1");
  });
  hint = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "%1, Текущее значение: \"%2\"";
    f.SetCount(2);
  });
  press = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(2); });
  selectThis = Make<TZEDoData>(ValueOf(setupParts, &TZEMultiStrPart::Part, 0));
  Control = panel;

  Bind(boundary, host);

  // Set-up: state 0, the tool-tip, the width.
  Connect(boundary->InnerEvents[0], setupParts, &TZEMultiStrPart::Split);
  Connect(setupParts->OnSplit, setupSteps, &TZEHub::Distribute);
  Connect(setupSteps->Outputs[0], description, &TZEMemory::Write);
  Connect(setupSteps->Outputs[1], initialState, &TZEDoData::Emit);
  Connect(initialState->OnEmit, look, &TZEMultiElement::Action, 0);
  Connect(setupSteps->Outputs[2], hint, &TZEFormatStr::Format);
  if (width) {
    Connect(setupSteps->Outputs[3], width, &TZEDoData::Emit);
    Connect(width->OnEmit, Win(panel), &ui::TZEWin::SetWidth);
  }

  // A state text: keep the value, then look, change monitor and tool-tip.
  Connect(boundary->InnerEvents[2], stateParts, &TZEMultiStrPart::Split);
  Connect(stateParts->Text, boundary, &TZEEditMultiEx::DataOutput, 2);
  Connect(stateParts->OnSplit, stateSteps, &TZEHub::Distribute);
  Connect(stateSteps->Outputs[0], value, &TZEMemory::Write);
  Connect(stateSteps->Outputs[1], state, &TZEDoData::Emit);
  Connect(state->OnEmit, look, &TZEMultiElement::Action, 0);
  Connect(stateSteps->Outputs[2], changes, &TZEChangeMon::Check);
  Connect(changes->DataInput, stateParts, &TZEMultiStrPart::Part, 0);
  Connect(changes->OnChange, signalOn, &TZEIf_else::Compare);
  Connect(signalOn->Op1Input, setupParts, &TZEMultiStrPart::Part, 3);
  Connect(signalOn->OnTrue, boundary, &TZEEditMultiEx::Action, 1);
  Connect(stateSteps->Outputs[3], hint, &TZEFormatStr::Format);
  Connect(hint->Args[0], description, &TZEMemory::Value);
  Connect(hint->Args[1], value, &TZEMemory::Value);
  Connect(hint->OnResult, Win(text), &ui::TZEWin::SetHint);

  // The look.
  Connect(look->DataInputs[0], boundary, &TZEEditMultiEx::DataOutput, 0);
  Connect(look->DataInputs[1], boundary, &TZEEditMultiEx::DataOutput, 1);
  Connect(look->DataInputs[2], setupParts, &TZEMultiStrPart::Part, 1);
  Connect(look->DataInputs[3], value, &TZEMemory::Value);
  Connect(look->Events[0], picture, &ui::TZEImage::Load);
  Connect(look->Events[1], Win(text), &ui::TZEWin::SetFont);
  Connect(look->Events[2], text, &ui::TZELabel::SetText);

  // A right press on the text selects this indicator.
  Connect(text->OnMouseDown, press, &TZEIndexToChanel::Route);
  Connect(press->Channels[1], selectThis, &TZEDoData::Emit);
  Connect(selectThis->OnEmit, boundary, &TZEEditMultiEx::Action, 0);

  look->ParentControl = panel;
  look->ParentScheme = this;
  look->SetFactory(setup.Look);
}

}  // namespace zorn
