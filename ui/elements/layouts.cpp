#include "ui/elements/layouts.h"

#include <algorithm>

#include "ui/elements/named_elements.h"

namespace zorn::ui {

TWinLayout::~TWinLayout() {
  UnregisterNamed(this);
  for (TZEWin* control : controls_) control->layout_ = nullptr;
  if (Container) std::erase(Container->layouts_, this);
}

void TWinLayout::Init() {
  RegisterNamed(Name, this);
  if (Container) Container->layouts_.push_back(this);
}

void TWinLayout::Arrange(TData&, uint16_t) { Arrange(); }

void TWinLayout::Add(TZEWin* control) {
  if (!control || control->layout_ == this) return;
  if (control->layout_) control->layout_->Remove(control);
  control->layout_ = this;
  controls_.push_back(control);
  if (Container && Container->Widget() && control->Widget()) {
    control->Widget()->SetParent(Container->Widget());
  }
  Arrange();
}

void TWinLayout::Remove(TZEWin* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  control->layout_ = nullptr;
  Arrange();
}

void TWinLayout::Arrange() {
  // Placing may resize the container, which asks for another arrangement.
  if (arranging_ || !Container || !Container->Widget()) return;
  arranging_ = true;
  std::vector<TZEWin*> placed;
  for (TZEWin* c : controls_) {
    if (c->Widget()) placed.push_back(c);
  }
  Place(placed);
  arranging_ = false;
}

void TZEToolBarLayout::Place(const std::vector<TZEWin*>& controls) {
  std::vector<TFlowItem> items;
  for (TZEWin* c : controls) {
    TRect r = c->Widget()->Bounds();
    items.push_back(TFlowItem{TSize{r.Width, r.Height}, c->Visible, {}});
  }
  TSize client = Container->Widget()->ClientSize();
  TFlowResult result = FlowItems(client.Width, MarginX, MarginY, SpacingX, SpacingY, items);
  for (size_t i = 0; i < controls.size(); ++i) {
    if (!items[i].Visible) continue;
    TRect r = controls[i]->Widget()->Bounds();
    controls[i]->SetBounds(TRect{items[i].Position.X, items[i].Position.Y, r.Width, r.Height});
  }
  if (AutoHeight && result.Rows > 0) {
    Container->Widget()->SetClientSize(TSize{client.Width, result.Bottom + MarginY});
  }
}

void TZEVBoxLayout::Place(const std::vector<TZEWin*>& controls) {
  std::vector<TBoxItem> items;
  for (TZEWin* c : controls) {
    items.push_back(TBoxItem{c->Widget()->Bounds().Height, c->Percent, c->Visible, {}});
  }
  BoxItems(Container->Widget()->ClientSize(), Margin, Spacing, items);
  for (size_t i = 0; i < controls.size(); ++i) {
    if (items[i].Visible) controls[i]->SetBounds(items[i].Bounds);
  }
}

}  // namespace zorn::ui
