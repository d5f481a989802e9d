#include "ui/elements/edit.h"

#include <algorithm>

namespace zorn::ui {
namespace {

constexpr uint16_t kReturn = 13;

}  // namespace

void TZEEdit::FillArgs(TCreateArgs& args) {
  args.Text = Text;
  args.MaxLength = MaxLength;
  args.PasswordChar = PasswordChar;
}

void TZEEdit::Attached() {
  lastValid_ = Text;
  widget_->Events.OnTextChanged = [this] { Changed(); };
}

void TZEEdit::Put(const std::string& text, int32_t caret) {
  restoring_ = true;  // a backend that reports its own SetText is ignored
  widget_->SetText(text);
  widget_->SetCaret(std::clamp<int32_t>(caret, 0, static_cast<int32_t>(text.size())));
  restoring_ = false;
  Text = text;
  lastValid_ = text;
  lastCaret_ = widget_->Caret();
}

void TZEEdit::Changed() {
  if (restoring_) return;
  std::string text = widget_->Text();
  if (!AcceptTyped(Mode, text)) {
    // Back to the last valid text, the caret where it was before the key.
    Put(lastValid_, lastCaret_);
    return;
  }
  if (text != widget_->Text()) {
    Put(text, static_cast<int32_t>(text.size()));
  } else {
    Text = text;
    lastValid_ = text;
    lastCaret_ = widget_->Caret();
  }
  TData value;
  ValueOf(Mode, text, value);
  Fire(OnChange, value);
}

void TZEEdit::KeyDown(uint16_t vk) {
  lastCaret_ = widget_->Caret();
  TZEWin::KeyDown(vk);
  if (vk != kReturn || !widget_) return;
  TData value;
  ValueOf(Mode, widget_->Text(), value);
  Fire(OnEnter, value);
  if (ClearOnEnter && widget_) Put("", 0);
}

void TZEEdit::SetText(TData& data, uint16_t) {
  std::string text = ToStr(data);
  if (!widget_) {
    Text = text;
    return;
  }
  Put(text, widget_->Caret());
}

void TZEEdit::Clear(TData&, uint16_t) {
  if (widget_) {
    Put("", 0);
  } else {
    Text.clear();
  }
}

void TZEEdit::Value(TData& data, uint16_t) {
  ValueOf(Mode, widget_ ? widget_->Text() : Text, data);
}

void TZEEdit::Shown(TData& data, uint16_t) {
  MakeStr(data, widget_ ? widget_->Text() : Text);
}

}  // namespace zorn::ui
