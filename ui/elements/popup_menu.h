// TzePopupMenuEx: a flat popup menu whose items come from text lines; a line
// "-" is a separator, which counts as an item for every index.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/wire.h"
#include "ui/backend.h"

namespace zorn::ui {

class TZEWin;

class TzePopupMenuEx : public TElement {
 public:
  // Properties, set before Init.
  std::string Items;       // initial items
  TZEWin* Owner = nullptr; // the window brought to the foreground at Popup
  TMenuLook Look;
  TFontRec Font{"MS Sans Serif", 8, 0, 0, 1};
  TWire IndexInput;        // the item of ToggleEnabled and SetCheck
  int32_t IndexDefault = 0;

  void Init();
  IPopupMenu* Menu() const { return menu_.get(); }
  const std::vector<TMenuItem>& MenuItems() const { return items_; }

  // Actions.
  void SetItems(TData& data, uint16_t index);  // replaces all items
  void Clear(TData& data, uint16_t index);
  void AddItems(TData& data, uint16_t index);  // appends, for a Str value only
  void Popup(TData& data, uint16_t index);
  void ToggleEnabled(TData& data, uint16_t index);
  // The index from IndexInput, then the value: checked when IsTrue.
  void SetCheck(TData& data, uint16_t index);

  TWire OnClick;  // Int index of the chosen item

 private:
  void Append(const std::string& text);
  void Publish();
  TMenuItem* ItemAt(int32_t index);

  std::unique_ptr<IPopupMenu> menu_;
  std::vector<TMenuItem> items_;
};

}  // namespace zorn::ui
