#include "app/button_window/button_item.h"

#include "app/button_window/button_kind_view.h"

namespace zorn {

namespace {

using KindView = TClassMultiElement_ButtonKindView;

// The row-text parts the panel reads.
enum : uint16_t { kPosition = 0, kCaption = 1, kWidth = 2, kKind = 3, kBlock = 4, kValue = 5 };

constexpr uint16_t kVirtualEscape = 27;

const TFontRec kControlFont{"MS Sans Serif", 8, 1, 0, 204};

// Each kind has its own colour pair, so the operator tells a hold button
// from a pulse button at a glance: white into the kind's tint, lighter under
// the mouse, darker while pressed (colours 0x00BBGGRR).
ui::TRushLook KindLook(uint32_t tint, uint32_t dark) {
  ui::TRushLook look;
  look.Normal = {0xFFFFFF, tint, 0, dark, 0xFFFFFF, 0x000000, 0xFFFFFF, false};
  look.Hot = {0xFFFFFF, tint, 0, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, true};
  look.Pressed = {tint, 0xFFFFFF, 0, dark, tint, 0x000000, 0xFFFFFF, false};
  look.Disabled = {0xF0F0F0, 0xD0D0D0, 0, 0xA0A0A0, 0xF8F8F8, 0x909090, 0xFFFFFF, false};
  look.Roundness = 4;
  return look;
}
const ui::TRushLook kPulseLook = KindLook(0xD8C8B0, 0x806040);     // blue-grey
const ui::TRushLook kToggleLook = KindLook(0xB8E0B8, 0x408040);    // green
const ui::TRushLook kHoldLook = KindLook(0x90C8F0, 0x205090);      // orange
const ui::TRushLook kSetValueLook = KindLook(0xE0B8D8, 0x704070);  // violet

// The four controls lie on top of each other and fill the panel; only the
// one of the record's kind is shown.
auto KindControl(ui::TZEWin* parent, const char* caption, const ui::TRushLook& look) {
  return [=](ui::TzeButtonRush& b) {
    b.Look = look;
    b.Parent = parent;
    b.Left = 2;
    b.Top = 2;
    b.Width = 120;
    b.Height = 23;
    b.Align = ui::alClient;
    b.Font = kControlFont;
    b.Caption = caption;
  };
}

auto Line(const char* mask, int32_t args) {
  return [=](TZEFormatStr& f) {
    f.Mask = mask;
    f.SetCount(args);
  };
}

auto Routes(int32_t count) {
  return [=](TZEIndexToChanel& r) { r.SetCount(count); };
}

void Unchecked(TZEIf_else& g) {
  g.Type = cmEqual;
  MakeInt(g.Op2, 0);
}

}  // namespace

TClassChildPanelEx_ButtonItem::TClassChildPanelEx_ButtonItem(TZEMultiElementEx* host,
                                                             TElement* parentControl,
                                                             TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMultiEx>([](auto& b) { b.SetCounts(3, 1); });
  panel = Make<ui::TZEPanel>([&](auto& p) {
    p.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    p.Left = 35;
    p.Top = 105;
    p.Width = 117;
    p.Height = 25;
    p.Color = 0xFF000006;
    p.Font = TFontRec{"MS Sans Serif", 8, 0, 0, 1};
    p.LayoutName = "кнопки";
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    i.Parent = panel;
    i.Left = 1;
    i.Top = 1;
    i.Width = 115;
    i.Height = 17;
    i.Align = ui::alClient;
    i.Picture = "BITMAP10";
  });
  pulseButton = Make<ui::TzeButtonRush>(KindControl(panel, "15", kPulseLook));
  // The hold button keeps the mouse while pressed, so a release off the
  // button still lets the output go.
  holdButton = Make<ui::TzeButtonRush>([&](auto& b) {
    b.MouseCapture = true;
    KindControl(panel, "15", kHoldLook)(b);
  });
  setValueButton = Make<ui::TzeButtonRush>(KindControl(panel, "15", kSetValueLook));
  toggle = Make<ui::TzeCheckBoxRush>([&](auto& c) {
    c.Look = kToggleLook;
    c.Parent = panel;
    c.Align = ui::alClient;
    c.Font = kControlFont;
    c.Caption = "CheckBoxRush";
    c.Checked = false;
  });
  valueField = Make<ui::TZEEdit>([&](auto& e) {
    e.Parent = panel;
    e.Align = ui::alClient;
    e.Font = TFontRec{"MS Sans Serif", 10, 0, 0, 1};
    e.Color = 0xC0C0C0;
    e.Mode = ui::emText;
    e.Text = "0";
    e.Visible = false;
  });
  editSwitch = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  kindView = Make<TZEMultiElement>([](auto& h) {
    h.SetEventCount(4);
    h.SetDataInputCount(0);
  });
  setup = Make<TZEHub>(Outputs(9));
  parts = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(6);
  });
  description = Make<TZEMemory>();
  width = Make<TZEDoData>();
  kind = Make<TZEDoData>();
  caption = Make<TZEDoData>();
  captions = Make<TZEHub>(Outputs(3));
  value = Make<TZEDoData>();
  setValueCaption = Make<TZEFormatStr>(Line("%1: %2", 2));
  hint = Make<TZEDoData>();
  hints = Make<TZEHub>(Outputs(4));
  valueLine = Make<TZEFormatStr>(Line("%1;%2", 2));
  oneLine = Make<TZEFormatStr>(Line("1;%1", 1));
  zeroLine = Make<TZEFormatStr>(Line("0;%1", 1));
  fieldLine = Make<TZEFormatStr>(Line("%1;%2", 2));
  menuRequest = Make<TZEDoData>();
  pulsePress = Make<TZEIndexToChanel>(Routes(2));
  holdPress = Make<TZEIndexToChanel>(Routes(2));
  holdRelease = Make<TZEIndexToChanel>(Routes(1));
  togglePress = Make<TZEIndexToChanel>(Routes(2));
  setValuePress = Make<TZEIndexToChanel>(Routes(2));
  setValueDouble = Make<TZEIndexToChanel>(Routes(1));
  toggleClick = Make<TZEIf_else>(Unchecked);
  toggleResync = Make<TZEIf_else>(Unchecked);
  fieldOpened = Make<TZEHub>(Outputs(2));
  hideButton = Make<TZEDoData>(IntValue(0));
  showButton = Make<TZEDoData>(IntValue(1));
  enter = Make<TZEHub>(Outputs(4));
  escapeKey = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, kVirtualEscape);
  });
  shownValue = Make<TZEMemory>();
  escape = Make<TZEHub>(Outputs(2));
  restoreValue = Make<TZEDoData>();
  resyncKind = Make<TZEIndexToChanel>(Routes(4));
  Control = panel;

  Bind(boundary, host);

  // Set-up from the row text.
  Connect(boundary->InnerEvents[Setup], setup, &TZEHub::Distribute);
  Connect(background->BitmapInput, boundary, &TZEEditMultiEx::DataOutput, Picture);
  Connect(setup->Outputs[0], background, &ui::TZEImage::Load);
  Connect(setup->Outputs[1], parts, &TZEMultiStrPart::Split);
  Connect(parts->OnSplit, description, &TZEMemory::Write);
  Connect(setup->Outputs[2], width, &TZEDoData::Emit);
  Connect(width->DataInput, parts, &TZEMultiStrPart::Part, kWidth);
  Connect(width->OnEmit, Win(panel), &ui::TZEWin::SetWidth);
  Connect(setup->Outputs[3], kind, &TZEDoData::Emit);
  Connect(kind->DataInput, parts, &TZEMultiStrPart::Part, kKind);
  Connect(kind->OnEmit, kindView, &TZEMultiElement::Action, KindView::Kind);
  Connect(kindView->Events[KindView::OnPulse], Win(pulseButton), &ui::TZEWin::SetVisible);
  Connect(kindView->Events[KindView::OnToggle], Win(toggle), &ui::TZEWin::SetVisible);
  Connect(kindView->Events[KindView::OnHold], Win(holdButton), &ui::TZEWin::SetVisible);
  Connect(kindView->Events[KindView::OnSetValue], Win(setValueButton), &ui::TZEWin::SetVisible);
  Connect(setup->Outputs[4], caption, &TZEDoData::Emit);
  Connect(caption->DataInput, parts, &TZEMultiStrPart::Part, kCaption);
  Connect(caption->OnEmit, captions, &TZEHub::Distribute);
  Connect(captions->Outputs[0], pulseButton, &ui::TzeButtonRush::SetCaption);
  Connect(captions->Outputs[1], toggle, &ui::TzeCheckBoxRush::SetCaption);
  Connect(captions->Outputs[2], holdButton, &ui::TzeButtonRush::SetCaption);
  Connect(setup->Outputs[5], value, &TZEDoData::Emit);
  Connect(value->DataInput, parts, &TZEMultiStrPart::Part, kValue);
  Connect(value->OnEmit, valueField, &ui::TZEEdit::SetText);
  Connect(setup->Outputs[6], setValueCaption, &TZEFormatStr::Format);
  Connect(setValueCaption->Args[0], parts, &TZEMultiStrPart::Part, kCaption);
  Connect(setValueCaption->Args[1], valueField, &ui::TZEEdit::Value);
  Connect(setValueCaption->OnResult, setValueButton, &ui::TzeButtonRush::SetCaption);
  Connect(setup->Outputs[7], hint, &TZEDoData::Emit);
  Connect(hint->DataInput, description, &TZEMemory::Value);
  Connect(hint->OnEmit, hints, &TZEHub::Distribute);
  Connect(hints->Outputs[0], Win(pulseButton), &ui::TZEWin::SetHint);
  Connect(hints->Outputs[1], Win(toggle), &ui::TZEWin::SetHint);
  Connect(hints->Outputs[2], Win(holdButton), &ui::TZEWin::SetHint);
  Connect(hints->Outputs[3], Win(setValueButton), &ui::TZEWin::SetHint);
  Connect(setup->Outputs[8], shownValue, &TZEMemory::Write);
  Connect(shownValue->Data, valueField, &ui::TZEEdit::Value);

  // Command lines leave through instance event 0.
  Connect(valueLine->Args[0], parts, &TZEMultiStrPart::Part, kValue);
  Connect(valueLine->Args[1], parts, &TZEMultiStrPart::Part, kBlock);
  Connect(oneLine->Args[0], parts, &TZEMultiStrPart::Part, kBlock);
  Connect(zeroLine->Args[0], parts, &TZEMultiStrPart::Part, kBlock);
  Connect(fieldLine->Args[0], valueField, &ui::TZEEdit::Value);
  Connect(fieldLine->Args[1], parts, &TZEMultiStrPart::Part, kBlock);
  for (TZEFormatStr* line : {valueLine, oneLine, zeroLine, fieldLine}) {
    Connect(line->OnResult, boundary, &TZEEditMultiEx::Action, OnSend);
  }
  // A right press on any control asks for the menu with the position.
  Connect(menuRequest->DataInput, parts, &TZEMultiStrPart::Part, kPosition);
  Connect(menuRequest->OnEmit, boundary, &TZEEditMultiEx::Action, OnMenu);
  for (TZEIndexToChanel* press : {pulsePress, holdPress, togglePress, setValuePress}) {
    Connect(press->Channels[1], menuRequest, &TZEDoData::Emit);
  }

  // Pulse and hold buttons.
  Connect(pulseButton->OnMouseDown, pulsePress, &TZEIndexToChanel::Route);
  Connect(pulsePress->Channels[0], valueLine, &TZEFormatStr::Format);
  Connect(holdButton->OnMouseDown, holdPress, &TZEIndexToChanel::Route);
  Connect(holdPress->Channels[0], valueLine, &TZEFormatStr::Format);
  Connect(holdButton->OnMouseUp, holdRelease, &TZEIndexToChanel::Route);
  Connect(holdRelease->Channels[0], zeroLine, &TZEFormatStr::Format);
  // The second press of a quick double press is a press as well (it comes
  // as OnMouseDown before OnDblClick), so it sends and, on a hold button,
  // keeps the mouse until its release sends 0;block.

  // Toggle: the press comes before the click changes the check mark.
  Connect(toggle->OnMouseDown, togglePress, &TZEIndexToChanel::Route);
  Connect(togglePress->Channels[0], toggleClick, &TZEIf_else::Compare);
  Connect(toggleClick->Op1Input, toggle, &ui::TzeCheckBoxRush::Value);
  Connect(toggleClick->OnTrue, oneLine, &TZEFormatStr::Format);
  Connect(toggleClick->OnFalse, zeroLine, &TZEFormatStr::Format);
  Connect(toggleResync->Op1Input, toggle, &ui::TzeCheckBoxRush::Value);
  Connect(toggleResync->OnTrue, zeroLine, &TZEFormatStr::Format);
  Connect(toggleResync->OnFalse, oneLine, &TZEFormatStr::Format);

  // Set-value button: a double click opens the value field in its place.
  Connect(setValueButton->OnMouseDown, setValuePress, &TZEIndexToChanel::Route);
  Connect(setValueButton->OnDblClick, setValueDouble, &TZEIndexToChanel::Route);
  Connect(setValueDouble->Channels[0], editSwitch, &TZESwitch::SwitchOn);
  Connect(editSwitch->OnToggle, Win(valueField), &ui::TZEWin::SetVisible);
  // The opened field takes the keys at once.
  Connect(editSwitch->OnOn, fieldOpened, &TZEHub::Distribute);
  Connect(fieldOpened->Outputs[0], hideButton, &TZEDoData::Emit);
  Connect(fieldOpened->Outputs[1], Win(valueField), &ui::TZEWin::Focus);
  Connect(editSwitch->OnOff, showButton, &TZEDoData::Emit);
  Connect(hideButton->OnEmit, Win(setValueButton), &ui::TZEWin::SetVisible);
  Connect(showButton->OnEmit, Win(setValueButton), &ui::TZEWin::SetVisible);
  Connect(valueField->OnEnter, enter, &TZEHub::Distribute);
  Connect(enter->Outputs[0], editSwitch, &TZESwitch::SwitchOff);
  Connect(enter->Outputs[1], setValueCaption, &TZEFormatStr::Format);
  Connect(enter->Outputs[2], fieldLine, &TZEFormatStr::Format);
  Connect(enter->Outputs[3], shownValue, &TZEMemory::Write);
  // Escape drops the typed text, so that a later resync cannot send it.
  Connect(valueField->OnKeyDown, escapeKey, &TZEIf_else::Compare);
  Connect(escapeKey->OnTrue, escape, &TZEHub::Distribute);
  Connect(escape->Outputs[0], restoreValue, &TZEDoData::Emit);
  Connect(restoreValue->DataInput, shownValue, &TZEMemory::Value);
  Connect(restoreValue->OnEmit, valueField, &ui::TZEEdit::SetText);
  Connect(escape->Outputs[1], editSwitch, &TZESwitch::SwitchOff);

  // Re-sending the state, by kind: 1 toggle, 3 set-value button.
  Connect(boundary->InnerEvents[Resend], resyncKind, &TZEIndexToChanel::Route);
  Connect(resyncKind->Index, parts, &TZEMultiStrPart::Part, kKind);
  Connect(resyncKind->Channels[1], toggleResync, &TZEIf_else::Compare);
  Connect(resyncKind->Channels[3], enter, &TZEHub::Distribute);

  kindView->ParentControl = panel;
  kindView->ParentScheme = this;
  kindView->SetFactory(&SchemeFactory<TClassMultiElement_ButtonKindView>);
}

}  // namespace zorn
