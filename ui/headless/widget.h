// A control of the in-memory widget tree. Besides the backend contract it
// offers what a user would do (press, type, pick, close) so that tests can
// drive elements exactly as the Win32 controls would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace zorn::ui::headless {

class THeadlessBackend;

// Virtual key codes the headless controls understand.
enum : uint16_t {
  vkBack = 8,
  vkTab = 9,
  vkReturn = 13,
  vkEscape = 27,
  vkEnd = 35,
  vkHome = 36,
  vkLeft = 37,
  vkRight = 39,
  vkDelete = 46,
};

// A key held with another: Shift+Tab moves the focus backward.
enum class TModifier : uint8_t { None, Shift };

class THeadlessWidget : public IWidget {
 public:
  THeadlessWidget(THeadlessBackend& backend, const TCreateArgs& args, intptr_t handle);
  ~THeadlessWidget() override;

  // The contract.
  TWidgetKind Kind() const override { return kind_; }
  intptr_t Handle() const override { return handle_; }
  void SetBounds(const TRect& r) override;
  TRect Bounds() const override { return bounds_; }
  TSize ClientSize() const override;
  TRect NormalBounds() const override { return minimized_ ? normal_ : bounds_; }
  void SetClientSize(const TSize& s) override;
  void SetParent(IWidget* parent) override;
  IWidget* Parent() const override { return parent_; }
  void SetVisible(bool visible) override;
  bool Visible() const override { return visible_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }
  void SetText(const std::string& text) override;
  std::string Text() const override { return text_; }
  void SetFont(const TFontSpec& font) override { font_ = font; }
  void SetColor(uint32_t color) override { color_ = color; }
  void SetCursor(const std::string& name) override { cursor_ = name; }
  void SetMouseCapture(bool capture) override { captureOption_ = capture; }
  void Invalidate() override { ++paints_; }
  void SetFocus() override;
  int32_t Caret() const override { return caret_; }
  void SetCaret(int32_t position) override;
  void SetChecked(bool checked) override { checked_ = checked; }
  bool Checked() const override { return checked_; }
  // A table row keeps one cell per column, as a report view shows it.
  void AddItem(const std::string& text) override;
  void ClearItems() override;
  void RemoveItem(int32_t index) override;
  void InsertItem(int32_t index, const std::string& text) override;
  int32_t ItemCount() const override { return static_cast<int32_t>(items_.size()); }
  std::string Item(int32_t index) const override;
  void SetSelected(int32_t index) override;
  int32_t Selected() const override { return selected_; }
  int32_t ItemHeight() const override { return 13; }
  void SetDropDownHeight(int32_t pixels) override { dropDownHeight_ = pixels; }
  void SetBitmap(std::shared_ptr<IBitmap> bitmap) override;
  void SetScrollInfo(int32_t min, int32_t max, int32_t page, int32_t position) override;
  int32_t ScrollPosition() const override { return scrollPos_; }
  void SetColumns(const std::vector<TColumn>& columns, char separator) override;
  void SetIcon(std::shared_ptr<IIcon> icon) override { icon_ = std::move(icon); }
  void RequestClose() override { Events.OnCloseRequest(); }
  void Activate() override;
  void SetTopmost(bool topmost) override { topmost_ = topmost; }
  bool Minimized() const override { return minimized_; }
  void Restore() override;
  void DragMove() override { ++drags_; }

  // What the user does. Each returns false when the control would not get
  // the input: hidden (itself or a parent) or disabled (itself or a parent).
  bool Press(TMouseButton button = TMouseButton::Left);
  bool Release(TMouseButton button = TMouseButton::Left);
  bool Click(TMouseButton button = TMouseButton::Left);  // press and release
  // The second press of a quick double press, as Win32 delivers it: a
  // double-click message in place of the press, which the backend reports
  // as the press followed by OnDblClick.
  bool DoublePress(TMouseButton button = TMouseButton::Left);
  // Press, release (a click), then the second press and its release.
  bool DoubleClick(TMouseButton button = TMouseButton::Left);
  // The button goes up away from the control: only a control that holds
  // the mouse hears it, and then without a click.
  bool ReleaseOutside(TMouseButton button = TMouseButton::Left);
  // Another window takes the mouse (a menu, a message box, Alt+Tab): a
  // press held by a control that asked for the capture ends as a release
  // without a click.
  void LoseCapture();
  bool Wheel(int32_t delta);
  bool Hover();    // the mouse enters
  bool Unhover();  // and leaves
  // Types each character: key down, character, the edit change, key up.
  bool Type(const std::string& text);
  // One key: down, its edit effect (Back, Delete, caret keys), up. Tab never
  // reaches the control: the focus moves to the next tab stop of the window
  // (the previous one with Shift), which gets the key's up.
  bool Key(uint16_t vk, TModifier modifier = TModifier::None);
  // Combo box: the user chooses item `index` from the list. Table: the user
  // selects row `index` (OnSelect only when the selection changes).
  bool PickItem(int32_t index);
  // Table: a press on row `row`, which selects it first as a report view
  // does for every button; ClickRow adds the release.
  bool PressRow(int32_t row, TMouseButton button = TMouseButton::Left);
  bool ClickRow(int32_t row, TMouseButton button = TMouseButton::Left);
  // Scroll bar: one user scroll step, or a thumb drag to `position`.
  bool Scroll(TScrollCode code, int32_t position = 0);
  bool ClickColumn(int32_t column);
  // Forms: the title bar's close button, minimise, activation by a click.
  // A minimised form lies at (-32000, -32000), 160 × 24, with an empty
  // client area, and the forms it owns are hidden, as on Win32; the restore
  // (Restore, or the user's UserRestore) puts it back at its normal place
  // and shows them again.
  bool UserClose();
  bool UserMinimize();
  bool UserRestore();
  bool UserActivate();
  void UserMoveTo(int32_t left, int32_t top);

  // Reading the state back.
  bool Showing() const;
  bool Accessible() const { return Showing() && EffectivelyEnabled(); }
  bool EffectivelyEnabled() const;
  const TFontSpec& Font() const { return font_; }
  uint32_t Color() const { return color_; }
  const std::string& Cursor() const { return cursor_; }
  bool MouseCaptureOption() const { return captureOption_; }
  bool Captured() const { return captured_; }
  bool Focused() const;
  // The top-level form this control lies in (itself for a form).
  THeadlessWidget* Form();
  const std::vector<std::string>& Items() const { return items_; }
  int32_t DropDownHeight() const { return dropDownHeight_; }
  const std::shared_ptr<IBitmap>& Bitmap() const { return bitmap_; }
  const std::shared_ptr<IIcon>& Icon() const { return icon_; }
  bool Topmost() const { return topmost_; }
  int32_t ScrollMin() const { return scrollMin_; }
  int32_t ScrollMax() const { return scrollMax_; }
  int32_t ScrollPage() const { return scrollPage_; }
  const std::vector<TColumn>& Columns() const { return columns_; }
  char Separator() const { return separator_; }
  int32_t Paints() const { return paints_; }
  int32_t Drags() const { return drags_; }
  const TCreateArgs& Args() const { return args_; }
  const std::vector<THeadlessWidget*>& Children() const { return children_; }

 private:
  enum class TPressKind : uint8_t { Single, Double };
  bool PressAs(TMouseButton button, TPressKind kind);
  void SetGeometry(const TRect& r);
  void EditInsert(char ch);
  void EditKey(uint16_t vk);
  bool EditsText() const;
  void Tab(TModifier modifier);

  THeadlessBackend& backend_;
  const TWidgetKind kind_;
  const intptr_t handle_;
  TCreateArgs args_;
  TRect bounds_;
  THeadlessWidget* parent_ = nullptr;
  std::vector<THeadlessWidget*> children_;
  bool visible_;
  bool enabled_;
  std::string text_;
  TFontSpec font_;
  uint32_t color_;
  std::string cursor_;
  bool captureOption_;
  bool captured_ = false;
  bool pressed_[3] = {false, false, false};
  int32_t caret_ = 0;
  bool checked_ = false;
  std::vector<std::string> items_;
  int32_t selected_ = -1;
  int32_t dropDownHeight_ = 0;
  std::shared_ptr<IBitmap> bitmap_;
  int32_t scrollMin_ = 0, scrollMax_ = 100, scrollPage_ = 0, scrollPos_ = 0;
  std::vector<TColumn> columns_;
  char separator_ = ';';
  std::shared_ptr<IIcon> icon_;
  bool topmost_ = false;
  bool minimized_ = false;
  TRect normal_;  // the bounds before minimising
  std::vector<intptr_t> hiddenOwned_;  // owned forms hidden by the minimise
  int32_t paints_ = 0;
  int32_t drags_ = 0;
};

}  // namespace zorn::ui::headless
