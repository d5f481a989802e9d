#include "ui/elements/combo_box.h"

#include <algorithm>

#include "elements/str_list.h"

namespace zorn::ui {

int32_t DropDownHeight(int32_t itemHeight, int32_t count, int32_t dropDownCount) {
  int32_t shown = count == 0 ? 3 : std::min(count, dropDownCount);
  return itemHeight * (shown + 2) + 2;
}

void TZEComboBox::FillArgs(TCreateArgs& args) {
  args.Text = Text;
  args.Editable = Editable;
}

void TZEComboBox::Attached() {
  for (const std::string& item : TextToLines(Strings)) widget_->AddItem(item);
  if (!Editable && widget_->ItemCount() > 0) widget_->SetSelected(0);
  UpdateDropDown();
  widget_->Events.OnSelect = [this](int32_t i) { FireSelect(i); };
  widget_->Events.OnTextChanged = [this] { FireStr(OnChange, widget_->Text()); };
}

void TZEComboBox::UpdateDropDown() {
  widget_->SetDropDownHeight(DropDownHeight(widget_->ItemHeight(), widget_->ItemCount(), DropDownCount));
}

void TZEComboBox::FireSelect(int32_t index) {
  if (DataMode == 1) {
    FireStr(OnSelect, widget_->Item(index));  // empty for no item
  } else {
    FireInt(OnSelect, index);
  }
}

void TZEComboBox::Add(TData& data, uint16_t) {
  if (!widget_) return;
  std::string text = ToStr(data);
  int32_t at = -1;
  for (int32_t i = 0; i < widget_->ItemCount(); ++i) {
    if (widget_->Item(i) == text) {
      at = i;
      break;
    }
  }
  if (at < 0 || !AddUnique) {
    widget_->AddItem(text);
    at = widget_->ItemCount() - 1;
    UpdateDropDown();
    if (SelectAdded) widget_->SetSelected(at);
  }
}

void TZEComboBox::Clear(TData&, uint16_t) {
  if (!widget_) return;
  widget_->ClearItems();
  UpdateDropDown();
}

void TZEComboBox::SetIndex(TData& data, uint16_t) {
  if (!widget_) return;
  int32_t i = ToInt(data);
  if (i < 0 || i >= widget_->ItemCount()) i = -1;
  widget_->SetSelected(i);
  FireSelect(i);
}

void TZEComboBox::Index(TData& data, uint16_t) { MakeInt(data, widget_ ? widget_->Selected() : -1); }
void TZEComboBox::Value(TData& data, uint16_t) { MakeStr(data, widget_ ? widget_->Text() : Text); }
void TZEComboBox::Count(TData& data, uint16_t) { MakeInt(data, widget_ ? widget_->ItemCount() : 0); }

void TZEComboBox::Items(TData& data, uint16_t) {
  std::string joined;
  for (int32_t i = 0; widget_ && i < widget_->ItemCount(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += widget_->Item(i);
  }
  MakeStr(data, joined);
}

}  // namespace zorn::ui
