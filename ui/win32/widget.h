// A native window or control under one element. One class serves every
// kind: the kinds differ in how the window is made (widget.cpp), in the
// messages they answer (widget_proc.cpp) and in their items (widget_items.cpp).
#pragma once

#include "ui/win32/win_api.h"

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace zorn::ui::win32 {

class TWin32Backend;

class TWin32Widget : public IWidget {
 public:
  TWin32Widget(TWin32Backend& backend, const TCreateArgs& args);
  ~TWin32Widget() override;

  TWidgetKind Kind() const override { return kind_; }
  intptr_t Handle() const override { return reinterpret_cast<intptr_t>(hwnd_); }

  void SetBounds(const TRect& r) override;
  TRect Bounds() const override;
  TRect NormalBounds() const override;
  TSize ClientSize() const override;
  void SetClientSize(const TSize& s) override;
  void SetParent(IWidget* parent) override;
  IWidget* Parent() const override { return parent_; }
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetText(const std::string& text) override;
  std::string Text() const override;
  void SetFont(const TFontSpec& font) override;
  void SetColor(uint32_t color) override;
  void SetCursor(const std::string& name) override;
  void SetMouseCapture(bool capture) override { captureOption_ = capture; }
  void Invalidate() override;
  void SetFocus() override;
  int32_t Caret() const override;
  void SetCaret(int32_t position) override;
  void SetChecked(bool checked) override;
  bool Checked() const override { return checked_; }
  void AddItem(const std::string& text) override;
  void ClearItems() override;
  void RemoveItem(int32_t index) override;
  void InsertItem(int32_t index, const std::string& text) override;
  int32_t ItemCount() const override;
  std::string Item(int32_t index) const override;
  void SetSelected(int32_t index) override;
  int32_t Selected() const override;
  int32_t ItemHeight() const override;
  void SetDropDownHeight(int32_t pixels) override;
  void SetBitmap(std::shared_ptr<IBitmap> bitmap) override;
  void SetScrollInfo(int32_t min, int32_t max, int32_t page, int32_t position) override;
  int32_t ScrollPosition() const override;
  void SetColumns(const std::vector<TColumn>& columns, char separator) override;
  void SetIcon(std::shared_ptr<IIcon> icon) override;
  void RequestClose() override;
  void Activate() override;
  void SetTopmost(bool topmost) override;
  bool Minimized() const override;
  void Restore() override;
  void DragMove() override;

  HWND Hwnd() const { return hwnd_; }
  // The control's messages, handed over by the window procedure that
  // replaces its class procedure (widget_create.cpp).
  LRESULT Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // Notifications and colour requests of a child, reflected by its parent.
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  const TFontSpec& Font() const { return font_; }
  const TCreateArgs& Args() const { return args_; }
  bool Hot() const { return hot_; }
  bool Pushed() const { return pushed_; }
  uint32_t Color() const { return color_; }
  HFONT FontHandle() const { return hfont_; }
  uint64_t Created() const { return created_; }

 private:
  void RaiseAboveSiblings();
  // What the window's erase fills it with: its colour, else the face colour.
  HBRUSH Ground() const;
  void RepaintBeneath();
  // What lies beneath a see-through label, when it draws it itself: the
  // pictures that show through (lowest first) and whether the parent's
  // ground does. False when something else lies beneath (label_backdrop.cpp).
  bool Backdrop(std::vector<const TWin32Widget*>& pictures, bool& ground) const;
  bool DrawBackdrop(HDC dc) const;
  bool EraseLabel(HDC dc);
  void Create();
  void ApplyCommon();
  bool Mouse(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void Geometry(UINT msg, LPARAM lp);
  bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool Painted(HWND hwnd, UINT msg, WPARAM wp);
  HWND TextWindow() const;  // the edit of an editable combo box, else the control
  void Attach(HWND hwnd);

  TWin32Backend& backend_;
  const TWidgetKind kind_;
  TCreateArgs args_;
  const uint64_t created_;  // creation order, for the tab order
  HWND hwnd_ = nullptr;
  HWND editHwnd_ = nullptr;  // a combo box's own edit
  IWidget* parent_ = nullptr;
  TFontSpec font_;
  HFONT hfont_ = nullptr;
  uint32_t color_;
  HBRUSH brush_ = nullptr;
  HCURSOR cursor_ = nullptr;
  bool captureOption_;
  bool pressed_[3] = {false, false, false};
  bool hot_ = false;
  bool tracking_ = false;
  bool pushed_ = false;
  bool checked_ = false;
  // A report view follows a press in a loop of its own and may keep the
  // button's up: it tells of the click with NM_CLICK or NM_RCLICK then.
  bool inTablePress_ = false;
  bool tableReleased_ = false;
  int suppress_ = 0;  // program changes under way: no text events
  bool backdropDue_ = false;  // a label's next erase draws what lies beneath
  TRect last_;        // geometry last reported
  int32_t dropDownHeight_ = 0;
  int32_t columns_ = 0;
  char separator_ = ';';
  int32_t scrollMin_ = 0, scrollMax_ = 100, scrollPage_ = 1;
  std::shared_ptr<IBitmap> bitmap_;
  std::shared_ptr<IIcon> icon_;
  // Cleared by the destructor: a handler may destroy the control it runs for.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The class procedure of one of our windows: what a widget leaves to it.
LRESULT CallOriginalProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// The colour a Win32 call wants: system colours resolved.
COLORREF ColorRef(uint32_t color);
// A font made from `font`; the caller owns it.
HFONT MakeFont(const TFontSpec& font);

}  // namespace zorn::ui::win32
