#include "ui/elements/image.h"

namespace zorn::ui {

void TZEImage::Attached() {
  if (!Picture.empty()) Show(Backend().LoadBitmap(Picture));
}

void TZEImage::Show(std::shared_ptr<IBitmap> bitmap) {
  bitmap_ = std::move(bitmap);
  if (AutoSize && bitmap_) {
    TSize s = bitmap_->Size();
    TRect r = widget_->Bounds();
    SetBounds(TRect{r.Left, r.Top, s.Width, s.Height});
  }
  widget_->SetBitmap(bitmap_);
}

void TZEImage::Load(TData& data, uint16_t) {
  void* raw = data.Kind == dtBitmap ? data.Object : ReadBitmap(data, BitmapInput, nullptr);
  // A value that is not a bitmap leaves the picture as it was.
  if (!raw || !widget_) return;
  Show(static_cast<IBitmap*>(raw)->weak_from_this().lock());
}

void TZEImage::Bitmap(TData& data, uint16_t) {
  if (bitmap_) {
    MakeBitmap(data, bitmap_.get());
  } else {
    MakeNull(data);
  }
}

}  // namespace zorn::ui
