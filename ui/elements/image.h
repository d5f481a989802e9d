// TZEImage: shows a bitmap, from a resource or from a Bitmap value.
#pragma once

#include <memory>
#include <string>

#include "ui/elements/win.h"

namespace zorn::ui {

class TZEImage : public TZEWin {
 public:
  std::string Picture;  // bitmap resource loaded at Init
  bool AutoSize = false;
  bool Stretch = false;
  bool SmoothStretch = false;  // halftone where the platform has it
  TWire BitmapInput;

  // Action: the bitmap of the argument, else of BitmapInput; repaints.
  void Load(TData& data, uint16_t index);
  // Data output: the bitmap shown (kind Bitmap), Null without one.
  void Bitmap(TData& data, uint16_t index);

  const std::shared_ptr<IBitmap>& Shown() const { return bitmap_; }

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::Image; }
  void FillArgs(TCreateArgs& args) override {
    args.Stretch = Stretch;
    args.SmoothStretch = SmoothStretch;
  }
  void Attached() override;

 private:
  void Show(std::shared_ptr<IBitmap> bitmap);

  std::shared_ptr<IBitmap> bitmap_;
};

}  // namespace zorn::ui
