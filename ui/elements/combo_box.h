// TZEComboBox: a drop-down list, editable or not, whose events and data
// carry the item index (data mode 0) or the item text (data mode 1).
#pragma once

#include <string>

#include "ui/elements/win.h"

namespace zorn::ui {

// The drop-down height: itemHeight × (min(count, dropDownCount) + 2) + 2,
// with room for 3 items when the list is empty.
int32_t DropDownHeight(int32_t itemHeight, int32_t count, int32_t dropDownCount);

class TZEComboBox : public TZEWin {
 public:
  TZEComboBox() { Height = 21; }

  std::string Strings;  // initial items, lines of the text
  std::string Text;     // initial text of the edit part
  uint8_t DataMode = 0; // 0 index, 1 text
  bool AddUnique = false;
  bool SelectAdded = false;
  int32_t DropDownCount = 8;
  bool Editable = true;

  // Actions.
  void Add(TData& data, uint16_t index);
  void Clear(TData& data, uint16_t index);
  // Selects item ToInt(value); outside 0..count-1 nothing is selected. Fires
  // OnSelect either way.
  void SetIndex(TData& data, uint16_t index);

  // Data outputs.
  void Index(TData& data, uint16_t index);
  void Value(TData& data, uint16_t index);  // the text
  void Count(TData& data, uint16_t index);
  void Items(TData& data, uint16_t index);  // all items joined by CR LF

  TWire OnSelect;  // index or text per data mode
  TWire OnChange;  // the edited text

 protected:
  TWidgetKind Kind() const override { return TWidgetKind::ComboBox; }
  void FillArgs(TCreateArgs& args) override;
  void Attached() override;

 private:
  void FireSelect(int32_t index);
  void UpdateDropDown();
};

}  // namespace zorn::ui
