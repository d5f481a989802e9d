#include "ui/elements/rush_buttons.h"

#include <vector>

namespace zorn::ui {
namespace {

std::vector<TzeRadioButtonRush*>& Radios() {
  static std::vector<TzeRadioButtonRush*> radios;
  return radios;
}

void SetCaptionOf(IWidget* widget, std::string& caption, const TData& data) {
  caption = ToStr(data);
  if (widget) {
    widget->SetText(caption);
    widget->Invalidate();
  }
}

void SetEnabledOf(TZEWin& element, const TData& data) {
  element.Enabled = ToInt(data) != 0;
  if (element.Widget()) {
    element.Widget()->SetEnabled(element.Enabled);
    element.Widget()->Invalidate();
  }
}

}  // namespace

void TzeButtonRush::FillArgs(TCreateArgs& args) {
  args.Text = Caption;
  args.Look = Look;
}

void TzeButtonRush::SetCaption(TData& data, uint16_t) { SetCaptionOf(widget_.get(), Caption, data); }

void TzeButtonRush::SetEnabled(TData& data, uint16_t) { SetEnabledOf(*this, data); }

void TzeButtonRush::Clicked(TMouseButton button) {
  if (button == TMouseButton::Left) FireCopy(OnClick, Data);
}

void TzeCheckBoxRush::FillArgs(TCreateArgs& args) {
  args.Text = Caption;
  args.Look = Look;
}

void TzeCheckBoxRush::SetCheck(TData& data, uint16_t) {
  Checked = ToInt(data) != 0;
  if (widget_) widget_->SetChecked(Checked);
  FireInt(OnCheck, Checked ? 1 : 0);
}

void TzeCheckBoxRush::SetCaption(TData& data, uint16_t) { SetCaptionOf(widget_.get(), Caption, data); }
void TzeCheckBoxRush::SetEnabled(TData& data, uint16_t) { SetEnabledOf(*this, data); }
void TzeCheckBoxRush::Value(TData& data, uint16_t) { MakeInt(data, Checked ? 1 : 0); }

void TzeCheckBoxRush::Clicked(TMouseButton button) {
  if (button != TMouseButton::Left) return;
  Checked = !Checked;
  widget_->SetChecked(Checked);
  FireInt(OnCheck, Checked ? 1 : 0);
  FireInt(OnClick, Checked ? 1 : 0);
}

TzeRadioButtonRush::TzeRadioButtonRush() {
  Height = 20;
  Radios().push_back(this);
}

TzeRadioButtonRush::~TzeRadioButtonRush() { std::erase(Radios(), this); }

void TzeRadioButtonRush::FillArgs(TCreateArgs& args) {
  args.Text = Caption;
  args.Look = Look;
}

void TzeRadioButtonRush::Check(bool checked) {
  Checked = checked;
  if (widget_) widget_->SetChecked(checked);
  if (!checked) return;
  for (TzeRadioButtonRush* other : Radios()) {
    if (other != this && other->Parent == Parent && other->Checked) {
      other->Checked = false;
      if (other->widget_) other->widget_->SetChecked(false);
    }
  }
}

void TzeRadioButtonRush::SetCheck(TData& data, uint16_t) { Check(ToInt(data) != 0); }
void TzeRadioButtonRush::SetCaption(TData& data, uint16_t) { SetCaptionOf(widget_.get(), Caption, data); }
void TzeRadioButtonRush::SetEnabled(TData& data, uint16_t) { SetEnabledOf(*this, data); }
void TzeRadioButtonRush::Value(TData& data, uint16_t) { MakeInt(data, Checked ? 1 : 0); }

void TzeRadioButtonRush::Clicked(TMouseButton button) {
  if (button != TMouseButton::Left) return;
  Check(true);
  FireInt(OnSelect, 1);
}

}  // namespace zorn::ui
