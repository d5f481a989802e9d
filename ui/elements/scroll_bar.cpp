#include "ui/elements/scroll_bar.h"

#include <algorithm>

namespace zorn::ui {

void TZEScrollBar::Attached() {
  Apply(Position);
  widget_->Events.OnScroll = [this](TScrollCode code, int32_t pos) { Scrolled(code, pos); };
}

// The backend keeps the position inside the range the way the platform does
// and tells what it made of it.
void TZEScrollBar::Apply(int32_t position) {
  widget_->SetScrollInfo(Min, Max + Page - 1, Page, position);
  Position = widget_->ScrollPosition();
}

void TZEScrollBar::Scrolled(TScrollCode code, int32_t position) {
  if (code == TScrollCode::End) {
    if (NotifyMode == 1) FireInt(OnPosition, Position);
    FireInt(OnEndScroll, Position);
    return;
  }
  // The platform leaves the thumb where it was until it is told: this also
  // makes a dragged thumb follow the mouse.
  int32_t before = Position;
  Apply(position);
  if (NotifyMode == 0 && Position != before) FireInt(OnPosition, Position);
}

void TZEScrollBar::SetPosition(TData& data, uint16_t) {
  int32_t position = ToInt(data);
  if (widget_) {
    Apply(position);
  } else {
    Position = std::clamp(position, Min, std::max(Min, Max));
  }
}

void TZEScrollBar::Value(TData& data, uint16_t) { MakeInt(data, Position); }

}  // namespace zorn::ui
