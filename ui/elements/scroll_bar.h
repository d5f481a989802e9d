// TZEScrollBar: a horizontal or vertical scroll bar whose position runs from
// Min to Max. The platform range is Min .. Max + Page − 1, so that the thumb,
// Page units long, reaches Max at its far end.
#pragma once

#include "ui/elements/win.h"

namespace zorn::ui {

class TZEScrollBar : public TZEWin {
 public:
  TZEScrollBar() { Height = 17; }

  // Properties, set before Init.
  TScrollOrientation Orientation = TScrollOrientation::Horizontal;
  int32_t Min = 0;
  int32_t Max = 100;
  int32_t Page = 1;
  int32_t Position = 0;    // follows the thumb after Init
  uint8_t NotifyMode = 0;  // 0: OnPosition after every change; 1: when scrolling ends

  // Action: moves the thumb to ToInt(value), kept inside the range. A
  // position set by the scheme is not reported.
  void SetPosition(TData& data, uint16_t index);
  // Data output: the position (Int).
  void Value(TData& data, uint16_t index);

  TWire OnPosition;   // Int position
  TWire OnEndScroll;  // Int position, when the operator lets go (both modes)

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::ScrollBar; }
  void FillArgs(TCreateArgs& args) override { args.Orientation = Orientation; }
  void Attached() override;

 private:
  void Scrolled(TScrollCode code, int32_t position);
  void Apply(int32_t position);
};

}  // namespace zorn::ui
