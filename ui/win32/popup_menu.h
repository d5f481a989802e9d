// The flat owner-drawn popup menu.
#pragma once

#include "ui/win32/win_api.h"

#include <memory>
#include <vector>

#include "ui/backend.h"

namespace zorn::ui::win32 {

class TWin32Menu : public IPopupMenu {
 public:
  TWin32Menu();
  ~TWin32Menu() override;
  void SetItems(const std::vector<TMenuItem>& items) override { items_ = items; }
  void SetLook(const TMenuLook& look) override;
  void Popup(IWidget* owner) override;

  // WM_MEASUREITEM and WM_DRAWITEM of our menu items, wherever they arrive.
  static bool Measure(MEASUREITEMSTRUCT& item);
  static bool Draw(const DRAWITEMSTRUCT& item);

 private:
  struct TEntry {
    TWin32Menu* Menu;
    int32_t Index;
  };
  HWND host_ = nullptr;  // receives the drawing messages when there is no owner
  std::vector<TMenuItem> items_;
  std::vector<TEntry> entries_;
  TMenuLook look_;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  std::shared_ptr<char> alive_ = std::make_shared<char>();  // a pick posted after the menu is gone is dropped
};

}  // namespace zorn::ui::win32
