#include "ui/elements/label.h"

namespace zorn::ui {

void TZELabel::SetText(TData& data, uint16_t) {
  std::string text = data.Kind == dtNull ? std::string() : ToStr(data);
  if (text.empty()) text = ReadStr(data, TextInput, "");
  Text = text;
  if (widget_) widget_->SetText(Text);
}

void TZELabel::Value(TData& data, uint16_t) { MakeStr(data, Text); }

void TZELabel::Clicked(TMouseButton) {
  if (SendText) {
    FireStr(OnClick, Text);
  } else {
    FireNull(OnClick);
  }
}

bool TZELabel::WantsHover() const { return HoverColor || HoverUnderline || TZEWin::WantsHover(); }

void TZELabel::MouseEntered() {
  if ((HoverColor || HoverUnderline) && !hot_) {
    hot_ = true;
    TFontSpec f = EffectiveFont();
    if (HoverColor) f.Color = *HoverColor;
    if (HoverUnderline) f.Style |= 4;
    widget_->SetFont(f);
  }
  TZEWin::MouseEntered();
}

void TZELabel::MouseLeft() {
  if (hot_) {
    hot_ = false;
    widget_->SetFont(EffectiveFont());
  }
  TZEWin::MouseLeft();
}

}  // namespace zorn::ui
