#include "ui/headless/widget.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "ui/headless/backend.h"
#include "ui/tab_order.h"

namespace zorn::ui::headless {

THeadlessWidget::THeadlessWidget(THeadlessBackend& backend, const TCreateArgs& args,
                                 intptr_t handle)
    : backend_(backend),
      kind_(args.Kind),
      handle_(handle),
      args_(args),
      bounds_(args.Bounds),
      visible_(args.Visible),
      enabled_(args.Enabled),
      text_(args.Text),
      font_(args.Font),
      color_(args.Color),
      cursor_(args.Cursor),
      captureOption_(args.MouseCapture) {
  SetParent(args.Parent);
  if (kind_ == TWidgetKind::ScrollBar) scrollPage_ = 1;
}

THeadlessWidget::~THeadlessWidget() {
  SetParent(nullptr);
  for (THeadlessWidget* child : children_) child->parent_ = nullptr;
  backend_.Forget(this);
}

namespace {

// Where Win32 keeps a minimised top-level window, and its size there.
constexpr TRect kMinimizedRect{-32000, -32000, 160, 24};

// The owner-drawn button classes take the mouse on a left press themselves.
bool CapturesLeftPress(TWidgetKind kind) {
  return kind == TWidgetKind::Button || kind == TWidgetKind::CheckBox ||
         kind == TWidgetKind::RadioButton;
}

}  // namespace

TSize THeadlessWidget::ClientSize() const {
  if (minimized_) return {};
  return {bounds_.Width, bounds_.Height};
}

void THeadlessWidget::SetBounds(const TRect& r) {
  TRect next = r;
  bool sized = r.Width != bounds_.Width || r.Height != bounds_.Height;
  if (sized) {
    TResizeEvent ev{r.Width, r.Height};
    Events.OnResize(ev);
    next.Width = std::max(ev.Width, 0);
    next.Height = std::max(ev.Height, 0);
    sized = next.Width != bounds_.Width || next.Height != bounds_.Height;
  }
  SetGeometry(next);
}

// The window system moves the window: no resize correction is asked.
void THeadlessWidget::SetGeometry(const TRect& r) {
  bool moved = r.Left != bounds_.Left || r.Top != bounds_.Top;
  bool sized = r.Width != bounds_.Width || r.Height != bounds_.Height;
  bounds_ = r;
  if (moved) Events.OnMove();
  if (sized) Events.OnSized();
}

void THeadlessWidget::SetClientSize(const TSize& s) {
  SetBounds(TRect{bounds_.Left, bounds_.Top, s.Width, s.Height});
}

void THeadlessWidget::SetParent(IWidget* parent) {
  if (parent_) {
    auto& list = parent_->children_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  parent_ = parent ? &Of(parent) : nullptr;
  if (parent_) parent_->children_.push_back(this);
}

void THeadlessWidget::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (kind_ == TWidgetKind::Form) {
    // Showing a top-level window activates it; hiding the active one leaves
    // no active window of this program.
    if (visible) {
      backend_.SetActive(this);
    } else if (backend_.ActiveForm() == this) {
      backend_.SetActive(nullptr);
    }
    Events.OnShown(visible);
  }
}

void THeadlessWidget::SetText(const std::string& text) {
  text_ = text;
  // WM_SETTEXT puts the caret of an edit back to the start.
  caret_ = 0;
}

void THeadlessWidget::SetFocus() {
  if (Accessible()) backend_.SetFocused(this);
}

bool THeadlessWidget::Focused() const { return backend_.Focused() == this; }

void THeadlessWidget::SetCaret(int32_t position) {
  caret_ = std::clamp<int32_t>(position, 0, static_cast<int32_t>(text_.size()));
}

void THeadlessWidget::ClearItems() {
  items_.clear();
  selected_ = -1;
  // CB_RESETCONTENT empties the edit part as well.
  if (kind_ == TWidgetKind::ComboBox) text_.clear();
}

void THeadlessWidget::AddItem(const std::string& text) { InsertItem(ItemCount(), text); }

void THeadlessWidget::InsertItem(int32_t index, const std::string& text) {
  if (index < 0 || index > ItemCount()) index = ItemCount();
  std::string item = text;
  if (kind_ == TWidgetKind::Table) {
    // Cells beyond the columns are not shown, missing ones are empty.
    size_t columns = std::max<size_t>(columns_.size(), 1);
    item.clear();
    size_t cell = 0;
    for (char ch : text) {
      if (ch == separator_ && ++cell >= columns) break;
      item += ch;
    }
    for (++cell; cell < columns; ++cell) item += separator_;
  }
  items_.insert(items_.begin() + index, item);
  if (selected_ >= index) ++selected_;
}

void THeadlessWidget::RemoveItem(int32_t index) {
  if (index < 0 || index >= ItemCount()) return;
  items_.erase(items_.begin() + index);
  if (selected_ == index) selected_ = -1;
  if (selected_ > index) --selected_;
}

std::string THeadlessWidget::Item(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return {};
  return items_[index];
}

void THeadlessWidget::SetSelected(int32_t index) {
  selected_ = index >= 0 && index < ItemCount() ? index : -1;
  // The edit part of a combo box shows the chosen item, and nothing when the
  // selection is cleared.
  if (kind_ == TWidgetKind::ComboBox) text_ = selected_ >= 0 ? items_[selected_] : std::string();
}

void THeadlessWidget::SetBitmap(std::shared_ptr<IBitmap> bitmap) {
  bitmap_ = std::move(bitmap);
  ++paints_;
}

void THeadlessWidget::SetScrollInfo(int32_t min, int32_t max, int32_t page, int32_t position) {
  scrollMin_ = min;
  scrollMax_ = std::max(max, min);
  scrollPage_ = std::max(page, 0);
  // As SetScrollInfo does: the position stays within min .. max − page + 1.
  int32_t top = std::max(scrollMax_ - std::max(scrollPage_ - 1, 0), scrollMin_);
  scrollPos_ = std::clamp(position, scrollMin_, top);
}

void THeadlessWidget::SetColumns(const std::vector<TColumn>& columns, char separator) {
  columns_ = columns;
  separator_ = separator;
}

void THeadlessWidget::Activate() {
  if (kind_ == TWidgetKind::Form && visible_) backend_.SetActive(this);
}

void THeadlessWidget::Restore() {
  if (!minimized_) return;
  minimized_ = false;
  SetGeometry(normal_);
  for (intptr_t handle : std::exchange(hiddenOwned_, {})) {
    if (IWidget* form = backend_.FromHandle(handle)) form->SetVisible(true);
  }
  Events.OnRestore();
}

bool THeadlessWidget::Showing() const {
  if (!visible_) return false;
  if (kind_ == TWidgetKind::Form || !parent_) return true;
  return parent_->Showing();
}

bool THeadlessWidget::EffectivelyEnabled() const {
  if (!enabled_) return false;
  if (kind_ == TWidgetKind::Form || !parent_) return true;
  return parent_->EffectivelyEnabled();
}

bool THeadlessWidget::Press(TMouseButton button) { return PressAs(button, TPressKind::Single); }

bool THeadlessWidget::DoublePress(TMouseButton button) { return PressAs(button, TPressKind::Double); }

bool THeadlessWidget::PressAs(TMouseButton button, TPressKind kind) {
  if (!Accessible()) return false;
  if (button != TMouseButton::Other) pressed_[static_cast<int>(button)] = true;
  if (captureOption_ || (button == TMouseButton::Left && CapturesLeftPress(kind_))) captured_ = true;
  if (args_.TabOrder > 0 || EditsText()) SetFocus();
  Events.OnMouseDown(button);
  if (kind == TPressKind::Double && Accessible()) Events.OnDblClick(button);
  return true;
}

bool THeadlessWidget::Release(TMouseButton button) {
  if (!Accessible()) return false;
  bool wasPressed = button != TMouseButton::Other && pressed_[static_cast<int>(button)];
  if (button != TMouseButton::Other) pressed_[static_cast<int>(button)] = false;
  captured_ = false;
  Events.OnMouseUp(button);
  if (wasPressed) Events.OnClick(button);
  return true;
}

bool THeadlessWidget::Click(TMouseButton button) { return Press(button) && Release(button); }

bool THeadlessWidget::DoubleClick(TMouseButton button) {
  if (!Click(button)) return false;
  if (DoublePress(button)) Release(button);
  return true;
}

bool THeadlessWidget::ReleaseOutside(TMouseButton button) {
  if (!captured_) return true;
  if (button != TMouseButton::Other) pressed_[static_cast<int>(button)] = false;
  captured_ = false;
  Events.OnMouseUp(button);
  return true;
}

void THeadlessWidget::LoseCapture() {
  if (!captured_) return;
  captured_ = false;
  bool& left = pressed_[static_cast<int>(TMouseButton::Left)];
  if (captureOption_ && left) {
    left = false;
    Events.OnMouseUp(TMouseButton::Left);
  }
}

bool THeadlessWidget::Wheel(int32_t delta) {
  if (!Accessible()) return false;
  Events.OnMouseWheel(delta);
  return true;
}

bool THeadlessWidget::Hover() {
  if (!Showing()) return false;
  Events.OnMouseEnter();
  return true;
}

bool THeadlessWidget::Unhover() {
  if (!Showing()) return false;
  Events.OnMouseLeave();
  return true;
}

bool THeadlessWidget::EditsText() const {
  return kind_ == TWidgetKind::Edit || (kind_ == TWidgetKind::ComboBox && args_.Editable);
}

bool THeadlessWidget::Type(const std::string& text) {
  if (!Accessible()) return false;
  for (char ch : text) {
    unsigned char u = static_cast<unsigned char>(ch);
    uint16_t vk = u < 128 && std::isalnum(u) ? static_cast<uint16_t>(std::toupper(u)) : u;
    Events.OnKeyDown(vk);
    Events.OnChar(ch);
    if (EditsText()) EditInsert(ch);
    Events.OnKeyUp(vk);
  }
  return true;
}

void THeadlessWidget::EditInsert(char ch) {
  if (args_.MaxLength > 0 && static_cast<int32_t>(text_.size()) >= args_.MaxLength) return;
  text_.insert(text_.begin() + caret_, ch);
  ++caret_;
  if (kind_ == TWidgetKind::ComboBox) selected_ = -1;
  Events.OnTextChanged();
}

THeadlessWidget* THeadlessWidget::Form() {
  THeadlessWidget* w = this;
  while (w->kind_ != TWidgetKind::Form && w->parent_) w = w->parent_;
  return w->kind_ == TWidgetKind::Form ? w : nullptr;
}

void THeadlessWidget::Tab(TModifier modifier) {
  THeadlessWidget* form = Form();
  if (!form) return;
  std::vector<TTabStop> stops;
  for (THeadlessWidget* w : backend_.Widgets()) {
    if (w != form && w->kind_ != TWidgetKind::Form && w->args_.TabOrder > 0 && w->Accessible() &&
        w->Form() == form) {
      stops.push_back({w->args_.TabOrder, static_cast<uint64_t>(w->handle_), w});
    }
  }
  auto direction = modifier == TModifier::Shift ? TTabDirection::Backward : TTabDirection::Forward;
  if (IWidget* next = NextTabStop(stops, this, direction)) next->SetFocus();
}

bool THeadlessWidget::Key(uint16_t vk, TModifier modifier) {
  if (!Accessible()) return false;
  if (vk == vkTab) {
    Tab(modifier);
    THeadlessWidget* focused = backend_.Focused();
    (focused ? focused : this)->Events.OnKeyUp(vk);
    return true;
  }
  Events.OnKeyDown(vk);
  if (EditsText()) EditKey(vk);
  Events.OnKeyUp(vk);
  return true;
}

void THeadlessWidget::EditKey(uint16_t vk) {
  int32_t length = static_cast<int32_t>(text_.size());
  switch (vk) {
    case vkBack:
      if (caret_ == 0) return;
      text_.erase(--caret_, 1);
      break;
    case vkDelete:
      if (caret_ >= length) return;
      text_.erase(caret_, 1);
      break;
    case vkLeft: caret_ = std::max(caret_ - 1, 0); return;
    case vkRight: caret_ = std::min(caret_ + 1, length); return;
    case vkHome: caret_ = 0; return;
    case vkEnd: caret_ = length; return;
    default: return;
  }
  if (kind_ == TWidgetKind::ComboBox) selected_ = -1;
  Events.OnTextChanged();
}

bool THeadlessWidget::PickItem(int32_t index) {
  if (!Accessible() || (kind_ != TWidgetKind::ComboBox && kind_ != TWidgetKind::Table)) return false;
  if (index < 0 || index >= ItemCount()) return false;
  bool changed = index != selected_;
  SetSelected(index);
  if (kind_ == TWidgetKind::ComboBox || changed) Events.OnSelect(index);
  return true;
}

bool THeadlessWidget::PressRow(int32_t row, TMouseButton button) {
  if (kind_ != TWidgetKind::Table || !PickItem(row)) return false;
  return Press(button);
}

bool THeadlessWidget::ClickRow(int32_t row, TMouseButton button) {
  return PressRow(row, button) && Release(button);
}

bool THeadlessWidget::Scroll(TScrollCode code, int32_t position) {
  if (!Accessible() || kind_ != TWidgetKind::ScrollBar) return false;
  int32_t top = std::max(scrollMax_ - std::max(scrollPage_ - 1, 0), scrollMin_);
  int32_t pos = scrollPos_;
  switch (code) {
    case TScrollCode::LineUp: pos -= 1; break;
    case TScrollCode::LineDown: pos += 1; break;
    case TScrollCode::PageUp: pos -= std::max(scrollPage_, 1); break;
    case TScrollCode::PageDown: pos += std::max(scrollPage_, 1); break;
    case TScrollCode::ThumbTrack: pos = position; break;
    case TScrollCode::End: break;
  }
  pos = std::clamp(pos, scrollMin_, top);
  Events.OnScroll(code, pos);
  return true;
}

bool THeadlessWidget::ClickColumn(int32_t column) {
  if (!Accessible() || column < 0 || column >= static_cast<int32_t>(columns_.size())) return false;
  Events.OnColumnClick(column);
  return true;
}

bool THeadlessWidget::UserClose() {
  if (kind_ != TWidgetKind::Form || !visible_) return false;
  Events.OnCloseRequest();
  return true;
}

bool THeadlessWidget::UserMinimize() {
  if (kind_ != TWidgetKind::Form || !visible_ || minimized_) return false;
  normal_ = bounds_;
  minimized_ = true;
  SetGeometry(kMinimizedRect);
  // The windows it owns go out of sight with it, and come back with it.
  for (THeadlessWidget* form : backend_.Forms()) {
    if (form->parent_ == this && form->visible_) {
      hiddenOwned_.push_back(form->handle_);
      form->SetVisible(false);
    }
  }
  Events.OnMinimize();
  return true;
}

bool THeadlessWidget::UserRestore() {
  if (!minimized_) return false;
  Restore();
  return true;
}

bool THeadlessWidget::UserActivate() {
  if (kind_ != TWidgetKind::Form || !visible_) return false;
  backend_.SetActive(this);
  return true;
}

void THeadlessWidget::UserMoveTo(int32_t left, int32_t top) {
  SetBounds(TRect{left, top, bounds_.Width, bounds_.Height});
}

}  // namespace zorn::ui::headless
