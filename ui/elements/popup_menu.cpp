#include "ui/elements/popup_menu.h"

#include "elements/str_list.h"
#include "ui/elements/win.h"

namespace zorn::ui {

void TzePopupMenuEx::Init() {
  if (menu_) return;
  menu_ = Backend().CreatePopupMenu();
  Look.Font = TFontSpec{Font.Name, FontPixelHeight(Font.Size), Font.Style, Font.Color, Font.CharSet};
  menu_->SetLook(Look);
  menu_->OnPick = [this](int32_t i) { FireInt(OnClick, i); };
  Append(Items);
  Publish();
}

void TzePopupMenuEx::Append(const std::string& text) {
  for (const std::string& line : TextToLines(text)) {
    TMenuItem item;
    item.Separator = line == "-";
    if (!item.Separator) item.Text = line;
    items_.push_back(item);
  }
}

void TzePopupMenuEx::Publish() {
  if (menu_) menu_->SetItems(items_);
}

TMenuItem* TzePopupMenuEx::ItemAt(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(items_.size())) return nullptr;
  return &items_[index];
}

void TzePopupMenuEx::SetItems(TData& data, uint16_t) {
  items_.clear();
  Append(ToStr(data));
  Publish();
}

void TzePopupMenuEx::Clear(TData&, uint16_t) {
  items_.clear();
  Publish();
}

void TzePopupMenuEx::AddItems(TData& data, uint16_t) {
  if ((data.Kind & ~ForwardFlag) != dtStr) return;
  Append(ToStr(data));
  Publish();
}

void TzePopupMenuEx::Popup(TData&, uint16_t) {
  if (menu_) menu_->Popup(Owner ? Owner->Widget() : nullptr);
}

void TzePopupMenuEx::ToggleEnabled(TData& data, uint16_t) {
  if (TMenuItem* item = ItemAt(ReadInt(data, IndexInput, IndexDefault))) {
    item->Enabled = !item->Enabled;
    Publish();
  }
}

void TzePopupMenuEx::SetCheck(TData& data, uint16_t) {
  TMenuItem* item = ItemAt(ReadInt(data, IndexInput, IndexDefault));
  if (!item) return;
  item->Checked = IsTrue(data);
  Publish();
}

}  // namespace zorn::ui
