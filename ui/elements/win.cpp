#include "ui/elements/win.h"

#include "ui/elements/layouts.h"
#include "ui/elements/main_form.h"
#include "ui/elements/named_elements.h"

namespace zorn::ui {

namespace {

int32_t g_dpi = 0;  // 0 until asked
int32_t g_visualElements = 0;

}  // namespace

int32_t FontPixelHeight(int32_t points) {
  if (g_dpi == 0) g_dpi = Backend().ScreenDpiY();
  return -((points * g_dpi + 36) / 72);
}

void ResetUiForTests() {
  g_dpi = 0;
  TZEMainForm::ForgetMainForm();
}

int32_t ButtonIndex(TMouseButton button) { return static_cast<int32_t>(button); }

TZEWin::TZEWin() { ++g_visualElements; }

TZEWin::~TZEWin() {
  UnregisterNamed(this);
  if (layout_) layout_->Remove(this);
  for (TZEWin* child : children_) child->dockParent_ = nullptr;
  for (TWinLayout* layout : layouts_) layout->Container = nullptr;
  if (dockParent_) dockParent_->RemoveChild(this);
  if (widget_ && hasHint_) Backend().ToolTips().Forget(widget_.get());
  widget_.reset();
  // The shared tool-tip service lives from the first visual element to the last.
  if (--g_visualElements == 0) Backend().ReleaseToolTips();
}

uint32_t TZEWin::EffectiveColor() const {
  if (Color) return *Color;
  return Parent ? Parent->EffectiveColor() : clBtnFace;
}

TFontSpec TZEWin::EffectiveFont() const {
  if (ParentFont && Parent) return Parent->EffectiveFont();
  return TFontSpec{Font.Name, FontPixelHeight(Font.Size), Font.Style, Font.Color, Font.CharSet};
}

void TZEWin::Init() {
  if (widget_) return;
  TCreateArgs args;
  args.Kind = Kind();
  args.Parent = Parent ? Parent->Widget() : nullptr;
  args.Bounds = TRect{Left, Top, Width, Height};
  args.Visible = Visible;
  args.Enabled = Enabled;
  args.Color = EffectiveColor();
  args.Border = Ctl3D <= 2 ? static_cast<TBorderLook>(Ctl3D) : TBorderLook::Default;
  args.TabOrder = TabOrder;
  args.Cursor = Cursor;
  args.Font = EffectiveFont();
  args.MouseCapture = MouseCapture;
  FillArgs(args);
  widget_ = Backend().CreateWidget(args);

  TWidgetEvents& ev = widget_->Events;
  ev.OnMouseDown = [this](TMouseButton b) { MouseDown(b); };
  ev.OnMouseUp = [this](TMouseButton b) { MouseUp(b); };
  ev.OnClick = [this](TMouseButton b) { Clicked(b); };
  ev.OnDblClick = [this](TMouseButton b) { DblClicked(b); };
  ev.OnMouseWheel = [this](int32_t delta) { FireInt(OnMouseWheel, delta); };
  ev.OnMouseEnter = [this] { MouseEntered(); };
  ev.OnMouseLeave = [this] { MouseLeft(); };
  ev.WantsHover = [this] { return WantsHover(); };
  ev.OnKeyDown = [this](uint16_t vk) { KeyDown(vk); };
  ev.OnKeyUp = [this](uint16_t vk) { FireInt(OnKeyUp, vk); };
  ev.OnChar = [this](char ch) { FireStr(OnChar, std::string(1, ch)); };
  ev.OnFocus = [this] { FireNull(OnFocus); };
  ev.OnBlur = [this] { FireNull(OnBlur); };
  ev.OnMove = [this] {
    // The properties keep the control's own place: not the one docking
    // gives it, nor a minimised window's.
    if (!Docked() && !widget_->Minimized()) {
      TRect r = widget_->Bounds();
      Left = r.Left;
      Top = r.Top;
    }
    FireNull(OnMove);
  };
  ev.OnResize = [this](TResizeEvent& e) {
    if (!OnResize.Wired()) return;
    TData d;
    MakeInt(d, e.Width);
    Fire(OnResize, d);
    if ((d.Kind & ~ForwardFlag) == dtInt) e.Width = d.IntValue;
  };
  ev.OnSized = [this] { Sized(); };

  if (!Hint.empty()) {
    Backend().ToolTips().SetTip(widget_.get(), Hint);
    hasHint_ = true;
  }
  RegisterNamed(Name, this);
  Attached();
  if (Parent) Parent->AddChild(this);
  if (!LayoutName.empty()) {
    if (auto* layout = dynamic_cast<TWinLayout*>(FindNamed(LayoutName))) layout->Add(this);
  }
}

void TZEWin::AddChild(TZEWin* child) {
  children_.push_back(child);
  child->dockParent_ = this;
  if (child->Align != alNone) Redock();
}

void TZEWin::RemoveChild(TZEWin* child) {
  std::erase(children_, child);
  if (child->Align != alNone) Redock();
}

void TZEWin::Redock() {
  // A minimised window has no client area: there is nothing to lay out
  // until it is restored.
  if (!widget_ || widget_->Minimized()) return;
  std::vector<TDockItem> items;
  std::vector<TZEWin*> docked;
  for (TZEWin* child : children_) {
    if (child->Align == alNone || !child->widget_) continue;
    // Every pass starts from the controls' own sizes, so a control squeezed
    // by a narrow window grows back when the window widens.
    items.push_back(TDockItem{child->Align, child->Visible,
                              TRect{child->Left, child->Top, child->Width, child->Height}});
    docked.push_back(child);
  }
  if (docked.empty()) return;
  DockItems(widget_->ClientSize(), items);
  for (size_t i = 0; i < docked.size(); ++i) docked[i]->widget_->SetBounds(items[i].Bounds);
}

bool TZEWin::Docked() const { return dockParent_ && Align != alNone; }

void TZEWin::SetBounds(const TRect& r) {
  Left = r.Left;
  Top = r.Top;
  Width = r.Width;
  Height = r.Height;
  if (widget_) widget_->SetBounds(r);
}

void TZEWin::Sized() {
  if (widget_->Minimized()) return;
  if (!Docked()) {
    TRect r = widget_->Bounds();
    Width = r.Width;
    Height = r.Height;
  }
  Redock();
  for (TWinLayout* layout : layouts_) layout->Arrange();
}

void TZEWin::ShowControl(bool visible) {
  Visible = visible;
  if (!widget_) return;
  widget_->SetVisible(visible);
  if (dockParent_ && Align != alNone) dockParent_->Redock();
  if (layout_) layout_->Arrange();
}

void TZEWin::ApplyFont(const TFontRec& font) {
  Font = font;
  ParentFont = false;
  if (widget_) widget_->SetFont(EffectiveFont());
}

void TZEWin::SetVisible(TData& data, uint16_t) { ShowControl(ToInt(data) != 0); }

void TZEWin::Focus(TData&, uint16_t) {
  if (widget_) widget_->SetFocus();
}

void TZEWin::SetHint(TData& data, uint16_t) {
  Hint = ToStr(data);
  if (!widget_) return;
  Backend().ToolTips().SetTip(widget_.get(), Hint);
  hasHint_ = true;
}

void TZEWin::SetWidth(TData& data, uint16_t) {
  Width = ToInt(data);
  if (!widget_) return;
  TRect r = widget_->Bounds();
  r.Width = Width;
  widget_->SetBounds(r);
  if (dockParent_ && Align != alNone) dockParent_->Redock();
  if (layout_) layout_->Arrange();
}

void TZEWin::SetFont(TData& data, uint16_t) {
  if (data.Kind != dtFont || !data.Object) return;
  ApplyFont(*static_cast<TFontRec*>(data.Object));
}

void TZEWin::Handle(TData& data, uint16_t) {
  MakeInt(data, widget_ ? static_cast<int32_t>(widget_->Handle()) : 0);
}

void TZEWin::MouseDown(TMouseButton b) { FireInt(OnMouseDown, ButtonIndex(b)); }
void TZEWin::MouseUp(TMouseButton b) { FireInt(OnMouseUp, ButtonIndex(b)); }
void TZEWin::Clicked(TMouseButton b) { FireInt(OnClick, ButtonIndex(b)); }
void TZEWin::DblClicked(TMouseButton b) { FireInt(OnDblClick, ButtonIndex(b)); }
bool TZEWin::WantsHover() const { return OnMouseEnter.Wired() || OnMouseLeave.Wired(); }
void TZEWin::MouseEntered() { FireNull(OnMouseEnter); }
void TZEWin::MouseLeft() { FireNull(OnMouseLeave); }
void TZEWin::KeyDown(uint16_t vk) { FireInt(OnKeyDown, vk); }

}  // namespace zorn::ui
