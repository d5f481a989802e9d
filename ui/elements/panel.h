// TZEPanel: a container with caption and bevel; OnClick comes from the base.
#pragma once

#include <string>

#include "ui/elements/win.h"

namespace zorn::ui {

class TZEPanel : public TZEWin {
 public:
  std::string Caption;
  uint8_t Bevel = 1;  // 0 none, 1 raised, 2 lowered

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Panel; }
  void FillArgs(TCreateArgs& args) override {
    args.Text = Caption;
    args.Bevel = Bevel;
  }
  // The bevel and caption depend on the size: draw again.
  void Sized() override {
    TZEWin::Sized();
    widget_->Invalidate();
  }
};

}  // namespace zorn::ui
