#include "app/indicator_window/indicator_item.h"

#include "app/indicator_window/indicator_look.h"

namespace zorn {
namespace {

using Look = TClassMultiElement_IndicatorLook;

}  // namespace

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
  Connect(boundary->InnerEvents[Setup], setupParts, &TZEMultiStrPart::Split);
  Connect(setupParts->OnSplit, setupSteps, &TZEHub::Distribute);
  Connect(setupSteps->Outputs[0], description, &TZEMemory::Write);
  Connect(setupSteps->Outputs[1], initialState, &TZEDoData::Emit);
  Connect(initialState->OnEmit, look, &TZEMultiElement::Action, Look::State);
  Connect(setupSteps->Outputs[2], hint, &TZEFormatStr::Format);
  if (width) {
    Connect(setupSteps->Outputs[3], width, &TZEDoData::Emit);
    Connect(width->OnEmit, Win(panel), &ui::TZEWin::SetWidth);
  }

  // A state text: keep the value, then look, change monitor and tool-tip.
  Connect(boundary->InnerEvents[State], stateParts, &TZEMultiStrPart::Split);
  Connect(stateParts->Text, boundary, &TZEEditMultiEx::DataOutput, StateText);
  Connect(stateParts->OnSplit, stateSteps, &TZEHub::Distribute);
  Connect(stateSteps->Outputs[0], value, &TZEMemory::Write);
  Connect(stateSteps->Outputs[1], state, &TZEDoData::Emit);
  Connect(state->OnEmit, look, &TZEMultiElement::Action, Look::State);
  Connect(stateSteps->Outputs[2], changes, &TZEChangeMon::Check);
  Connect(changes->DataInput, stateParts, &TZEMultiStrPart::Part, 0);
  Connect(changes->OnChange, signalOn, &TZEIf_else::Compare);
  Connect(signalOn->Op1Input, setupParts, &TZEMultiStrPart::Part, 3);
  Connect(signalOn->OnTrue, boundary, &TZEEditMultiEx::Action, OnSound);
  Connect(stateSteps->Outputs[3], hint, &TZEFormatStr::Format);
  Connect(hint->Args[0], description, &TZEMemory::Value);
  Connect(hint->Args[1], value, &TZEMemory::Value);
  Connect(hint->OnResult, Win(text), &ui::TZEWin::SetHint);

  // The look.
  Connect(look->DataInputs[Look::InactivePicture], boundary, &TZEEditMultiEx::DataOutput,
          InactivePicture);
  Connect(look->DataInputs[Look::ActivePicture], boundary, &TZEEditMultiEx::DataOutput,
          ActivePicture);
  Connect(look->DataInputs[Look::Caption], setupParts, &TZEMultiStrPart::Part, 1);
  Connect(look->DataInputs[Look::Value], value, &TZEMemory::Value);
  Connect(look->Events[Look::OnPicture], picture, &ui::TZEImage::Load);
  Connect(look->Events[Look::OnFont], Win(text), &ui::TZEWin::SetFont);
  Connect(look->Events[Look::OnText], text, &ui::TZELabel::SetText);

  // A right press on the text selects this indicator.
  Connect(text->OnMouseDown, press, &TZEIndexToChanel::Route);
  Connect(press->Channels[1], selectThis, &TZEDoData::Emit);
  Connect(selectThis->OnEmit, boundary, &TZEEditMultiEx::Action, OnSelect);

  look->ParentControl = panel;
  look->ParentScheme = this;
  look->SetFactory(setup.Look);
}

}  // namespace zorn
