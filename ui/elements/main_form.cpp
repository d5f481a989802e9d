#include "ui/elements/main_form.h"

#include <algorithm>

#include "platform/event_loop.h"
#include "runtime/start.h"
#include "ui/elements/tray_icon.h"

namespace zorn::ui {
namespace {

TZEMainForm* g_main = nullptr;
std::vector<TZEMainForm*> g_forms;

// The first step of StartDispatch: the application's task-bar presence takes
// the main form's visibility property.
void ApplyApplicationVisibility() {
  if (g_main && g_main->Widget()) Backend().SetApplicationVisible(g_main->Visible);
}

}  // namespace

bool Reachable(const TRect& window, const TRect& desktop) {
  // Enough of the window to take hold of it with the mouse.
  constexpr int32_t kGrip = 16;
  int32_t width = std::min(window.Right(), desktop.Right()) - std::max(window.Left, desktop.Left);
  int32_t height = std::min(window.Bottom(), desktop.Bottom()) - std::max(window.Top, desktop.Top);
  return width >= kGrip && height >= kGrip;
}

TZEMainForm::TZEMainForm() {
  Width = 320;
  Height = 240;
  if (!g_main) {
    g_main = this;
    SetApplicationWindowStep(&ApplyApplicationVisibility);
  }
  g_forms.push_back(this);
}

TZEMainForm::~TZEMainForm() {
  std::erase(g_forms, this);
  for (TZEMainForm* f : g_forms) {
    if (f->owner_ == this) f->owner_ = nullptr;
  }
  if (g_main == this) g_main = nullptr;
}

TZEMainForm* TZEMainForm::MainForm() { return g_main; }

void TZEMainForm::ForgetMainForm() { g_main = nullptr; }

void TZEMainForm::FillArgs(TCreateArgs& args) {
  if (auto* owner = dynamic_cast<TZEMainForm*>(Parent)) {
    owner_ = owner;
  } else if (!IsMainForm()) {
    owner_ = g_main;
  }
  args.Parent = owner_ ? owner_->Widget() : nullptr;
  args.MainWindow = IsMainForm();
  args.Text = Caption;
  if (BorderStyle <= 10) args.BorderStyle = BorderStyle;
  // A form shows itself from its start handler, never at creation.
  args.Visible = false;
  if (Centered) {
    TSize screen = Backend().ScreenSize();
    Left = (screen.Width - Width) / 2;
    Top = (screen.Height - Height) / 2;
    args.Bounds.Left = Left;
    args.Bounds.Top = Top;
  }
  store_ = TPositionStore(Place);
}

void TZEMainForm::Attached() {
  if (!IconName.empty()) widget_->SetIcon(Backend().LoadIcon(IconName));
  TSize client = widget_->ClientSize();
  if (client.Width < MinClientWidth) {
    int32_t wider = MinClientWidth - client.Width;
    SetBounds(TRect{Centered ? Left - wider / 2 : Left, Top, Width + wider, Height});
  }
  TWidgetEvents& ev = widget_->Events;
  ev.OnShown = [this](bool visible) { Shown(visible); };
  ev.OnCloseRequest = [this] { CloseRequested(); };
  ev.OnActivate = [this](bool active) { FireNull(active ? OnActivate : OnDeactivate); };
  ev.OnMinimize = [this] {
    if (tray_) tray_->FormMinimized();
  };
  ev.OnRestore = [this] {
    if (tray_) tray_->FormRestored();
  };
  RegisterStartHandler(&TZEMainForm::StartHandler, this);
}

void TZEMainForm::StartHandler() {
  FireNull(OnStart);
  ShowControl(Visible);
}

void TZEMainForm::Shown(bool visible) {
  Visible = visible;
  if (!visible || loaded_ || !store_.Enabled()) return;
  // The stored place is read at the first show, each value defaulting to
  // the current one; only a form that has loaded writes its place back.
  TRect r = widget_->Bounds();
  TRect stored = r;
  store_.Load(stored);
  loaded_ = true;
  // A place off every screen (a monitor gone, or the minimised place an
  // older build saved) would leave the window out of reach: keep the
  // initial place and size instead.
  if (Reachable(stored, Backend().DesktopRect())) SetBounds(stored);
}

void TZEMainForm::ShowControl(bool visible) {
  Visible = visible;
  if (!widget_) return;
  if (visible) {
    IWidget* active = Backend().ActiveForm();
    if (active && active != widget_.get()) remembered_ = active->Handle();
    widget_->SetVisible(true);
    widget_->Activate();
  } else {
    bool wasShown = widget_->Visible();
    widget_->SetVisible(false);
    // The remembered window may be gone by now: look it up by its handle.
    IWidget* previous = remembered_ ? Backend().FromHandle(remembered_) : nullptr;
    if (wasShown && previous && previous->Visible()) previous->Activate();
  }
}

void TZEMainForm::SavePosition() {
  // The normal place, also when the window is minimised.
  if (loaded_ && widget_) store_.Save(widget_->NormalBounds());
}

void TZEMainForm::CloseRequested() {
  // Copied: a window closing in turn may close or destroy others.
  std::vector<TZEMainForm*> shown, hidden;
  for (TZEMainForm* f : g_forms) {
    if (f->owner_ != this || !f->widget_) continue;
    (f->widget_->Visible() ? shown : hidden).push_back(f);
  }
  auto alive = [](TZEMainForm* f) { return std::find(g_forms.begin(), g_forms.end(), f) != g_forms.end(); };
  for (TZEMainForm* f : shown) {
    if (alive(f)) f->CloseRequested();
  }
  // The system hides owned windows while their owner is minimised: they are
  // open all the same, so their places are kept too. A window hidden before
  // is where it was when it hid, so writing its place again changes nothing.
  for (TZEMainForm* f : hidden) {
    if (alive(f)) f->SavePosition();
  }
  SavePosition();
  if (IsMainForm()) {
    FireNull(OnClose);
    if (widget_) widget_->SetVisible(false);
    platform::EventLoop().Quit();
  } else {
    ShowControl(false);
  }
}

void TZEMainForm::SetCaption(TData& data, uint16_t) {
  Caption = ToStr(data);
  if (widget_) widget_->SetText(Caption);
}

void TZEMainForm::SetIcon(TData& data, uint16_t) {
  if (!widget_) return;
  std::shared_ptr<IIcon> icon;
  if (data.Kind == dtIcon && data.Object) icon = static_cast<IIcon*>(data.Object)->weak_from_this().lock();
  widget_->SetIcon(icon);
}

void TZEMainForm::DragMove(TData&, uint16_t) {
  if (widget_) widget_->DragMove();
}

void TZEMainForm::Close(TData&, uint16_t) {
  SavePosition();
  if (widget_) widget_->RequestClose();
}

}  // namespace zorn::ui
