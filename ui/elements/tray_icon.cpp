#include "ui/elements/tray_icon.h"

#include "ui/elements/main_form.h"

namespace zorn::ui {
namespace {

constexpr size_t kTipLimit = 63;  // NOTIFYICONDATA's tip holds 64 with its NUL

}  // namespace

TZETrayIcon::~TZETrayIcon() {
  if (Form) Form->SetTray(nullptr);
}

void TZETrayIcon::Init() {
  if (tray_) return;
  if (Tip.size() > kTipLimit) Tip.resize(kTipLimit);
  tray_ = Backend().CreateTrayIcon(Form ? Form->Widget() : nullptr);
  tray_->OnMouse = [this](TTrayMouse what, TMouseButton b) { Mouse(what, b); };
  tray_->OnBalloon = [this](TBalloonEvent e) {
    FireNull(e == TBalloonEvent::Shown    ? OnBalloonShow
             : e == TBalloonEvent::Hidden ? OnBalloonHide
                                          : OnBalloonClick);
  };
  tray_->OnTaskbarCreated = [this] {
    inTray_ = false;
    Place(shown_ || hidden_);
  };
  icon_ = FormIcon();
  if (Form) Form->SetTray(this);
}

std::shared_ptr<IIcon> TZETrayIcon::FormIcon() const {
  if (!Form || Form->IconName.empty()) return nullptr;
  return Backend().LoadIcon(Form->IconName);
}

void TZETrayIcon::Place(bool visible) {
  if (!tray_) return;
  if (visible && !inTray_) {
    tray_->Add(icon_, Tip);
  } else if (!visible && inTray_) {
    tray_->Remove();
  }
  inTray_ = visible;
}

void TZETrayIcon::Mouse(TTrayMouse what, TMouseButton b) {
  int32_t i = static_cast<int32_t>(b);
  switch (what) {
    case TTrayMouse::Move: FireNull(OnMouseMove); break;
    case TTrayMouse::Down: FireInt(OnMouseDown, i); break;
    case TTrayMouse::Up:
      FireInt(OnMouseUp, i);
      FireInt(OnClick, i);
      break;
    case TTrayMouse::DblClick: FireInt(OnDblClick, i); break;
  }
}

void TZETrayIcon::Show(TData&, uint16_t) {
  shown_ = true;
  Place(true);
}

void TZETrayIcon::Hide(TData&, uint16_t) {
  shown_ = false;
  Place(hidden_);
}

// The shell is told only of a change: schemes set the icon on every tick of
// a status timer, and each modification costs the shell a redraw.
void TZETrayIcon::SetIcon(TData& data, uint16_t) {
  std::shared_ptr<IIcon> icon = data.Kind == dtIcon && data.Object
                                    ? static_cast<IIcon*>(data.Object)->weak_from_this().lock()
                                    : FormIcon();
  if (icon == icon_) return;
  icon_ = std::move(icon);
  if (tray_ && inTray_) tray_->Modify(icon_, Tip);
}

void TZETrayIcon::SetTip(TData& data, uint16_t) {
  std::string tip = ToStr(data);
  if (tip.size() > kTipLimit) tip.resize(kTipLimit);
  if (tip == Tip) return;
  Tip = std::move(tip);
  if (tray_ && inTray_) tray_->Modify(icon_, Tip);
}

void TZETrayIcon::Balloon(TData& data, uint16_t) {
  if (tray_) tray_->ShowBalloon(BalloonTitle, ToStr(data), BalloonIcon, BalloonTimeoutMs);
}

void TZETrayIcon::FormMinimized() {
  if (!HideOnMinimize || !Form || !Form->Widget()) return;
  hidden_ = true;
  Form->Widget()->SetVisible(false);
  if (TZEMainForm* owner = Form->Owner(); owner && owner->Widget()) owner->Widget()->SetVisible(false);
  Place(true);
}

void TZETrayIcon::FormRestored() {
  if (!hidden_) return;
  hidden_ = false;
  // An icon the scheme put there itself stays.
  Place(shown_);
}

void TZETrayIcon::Restore(TData&, uint16_t) {
  if (!Form || !Form->Widget()) return;
  IWidget* w = Form->Widget();
  w->Restore();
  FormRestored();
  Form->ShowControl(true);
  w->Activate();
}

}  // namespace zorn::ui
