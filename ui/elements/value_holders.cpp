#include "ui/elements/value_holders.h"

#include <algorithm>

#include "ui/elements/win.h"

namespace zorn::ui {

void TZEIcon::Icon(TData& data, uint16_t) {
  if (icon_) {
    MakeIcon(data, static_cast<IIcon*>(icon_.get()));
  } else {
    MakeNull(data);
  }
}

void TZEBitmap::Bitmap(TData& data, uint16_t) {
  if (bitmap_) {
    MakeBitmap(data, static_cast<IBitmap*>(bitmap_.get()));
  } else {
    MakeNull(data);
  }
}

void TZEFont::Value(TData& data, uint16_t) { MakeFont(data, &Font); }

void TZEFont::Choose(TData&, uint16_t) {
  TFontChoice choice;
  choice.Name = Font.Name;
  choice.Size = Font.Size;
  choice.Weight = Font.Style & 1 ? 700 : 400;
  choice.Italic = Font.Style & 2;
  choice.Underline = Font.Style & 4;
  choice.StrikeOut = Font.Style & 8;
  choice.Color = Font.Color;
  choice.CharSet = Font.CharSet;
  auto* owner = dynamic_cast<TZEWin*>(Owner);
  if (!Backend().ChooseFont(owner ? owner->Widget() : nullptr, choice)) return;
  Font.Name = choice.Name;
  Font.Size = static_cast<uint8_t>(std::clamp(choice.Size, 0, 255));
  Font.Color = choice.Color;
  Font.CharSet = choice.CharSet;
  Font.Style = static_cast<uint8_t>((choice.Weight >= 700 ? 1 : 0) | (choice.Italic ? 2 : 0) |
                                    (choice.Underline ? 4 : 0) | (choice.StrikeOut ? 8 : 0));
  FireFont(OnChoose, &Font);
}

}  // namespace zorn::ui
