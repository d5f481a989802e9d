// Value holders: an icon or a bitmap resource, and a font with its dialog.
#pragma once

#include <memory>
#include <string>

#include "runtime/wire.h"
#include "ui/backend.h"

namespace zorn::ui {

class TZEIcon : public TElement {
 public:
  std::string ResourceName;  // ICON0 … ICON7
  void Init() { icon_ = Backend().LoadIcon(ResourceName); }
  // Data output: kind Icon (its object an IIcon*), Null when not found.
  void Icon(TData& data, uint16_t index);

 private:
  std::shared_ptr<IIcon> icon_;
};

class TZEBitmap : public TElement {
 public:
  std::string ResourceName;  // BITMAP0 … BITMAP14
  void Init() { bitmap_ = Backend().LoadBitmap(ResourceName); }
  // Data output: kind Bitmap (its object an IBitmap*), Null when not found.
  void Bitmap(TData& data, uint16_t index);

 private:
  std::shared_ptr<IBitmap> bitmap_;
};

// The setup of a holder of the program's bitmap `name`:
// Make<TZEBitmap>(ResourceBitmap("BITMAP11")).
inline auto ResourceBitmap(const char* name) {
  return [=](TZEBitmap& b) {
    b.ResourceName = name;
    b.Init();
  };
}

class TZEFont : public TElement {
 public:
  TFontRec Font{"MS Sans Serif", 8, 0, 0, 1};
  TElement* Owner = nullptr;  // a TZEWin whose window owns the dialog

  // Data output: kind Font referring to Font.
  void Value(TData& data, uint16_t index);
  // Opens the font dialog preset from Font; on confirmation stores the
  // choice and fires OnChoose with the font.
  void Choose(TData& data, uint16_t index);

  TWire OnChoose;
};

}  // namespace zorn::ui
