// Layout managers for the controls of a panel or window. A control joins a
// layout by the layout's name (its LayoutName property) when it is
// initialised, so that run-time instances built by a list host find it; the
// layout moves the control into its container and places it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/wire.h"
#include "ui/elements/win.h"

namespace zorn::ui {

class TWinLayout : public TElement {
 public:
  ~TWinLayout() override;

  std::string Name;
  TZEWin* Container = nullptr;  // initialised before the layout

  // Registers the name and attaches to the container, which re-arranges its
  // layouts whenever its size changes.
  void Init();
  // Action: places all controls again.
  void Arrange(TData& data, uint16_t index);

  // Adds a control at the end of the layout order and places all controls.
  void Add(TZEWin* control);
  void Remove(TZEWin* control);
  void Arrange();
  const std::vector<TZEWin*>& Controls() const { return controls_; }

 protected:
  virtual void Place(const std::vector<TZEWin*>& controls) = 0;

 private:
  std::vector<TZEWin*> controls_;
  bool arranging_ = false;
};

// Rows left to right (FlowItems of ui/layout.h); with AutoHeight the
// container's client height becomes the bottom of the last row + MarginY.
class TZEToolBarLayout : public TWinLayout {
 public:
  int32_t SpacingX = 10;
  int32_t SpacingY = 10;
  int32_t MarginX = 0;
  int32_t MarginY = 0;
  bool AutoHeight = false;

 protected:
  void Place(const std::vector<TZEWin*>& controls) override;
};

// A vertical box (BoxItems of ui/layout.h); each control's Percent, when
// positive, gives its share of the free height.
class TZEVBoxLayout : public TWinLayout {
 public:
  int32_t Margin = 0;
  int32_t Spacing = 0;

 protected:
  void Place(const std::vector<TZEWin*>& controls) override;
};

}  // namespace zorn::ui
