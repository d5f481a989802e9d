#include "ui/headless/backend.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/resources.h"

namespace zorn::ui::headless {
namespace {

constexpr int kBitmapType = 2;      // RT_BITMAP
constexpr int kGroupIconType = 14;  // RT_GROUP_ICON

int32_t ReadI32(const uint8_t* p) {
  uint32_t v = p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(v);
}

// The size in a bitmap resource: a DIB header, or a whole .bmp file.
bool BitmapSize(const platform::TResourceBytes& bytes, TSize& size) {
  const uint8_t* p = bytes.Data;
  size_t n = bytes.Size;
  if (n >= 14 && p[0] == 'B' && p[1] == 'M') {
    p += 14;
    n -= 14;
  }
  if (n < 12) return false;
  int32_t header = ReadI32(p);
  if (header == 12) {  // BITMAPCOREHEADER
    size = {p[4] | p[5] << 8, p[6] | p[7] << 8};
    return true;
  }
  if (header < 16 || n < 12) return false;
  size = {std::abs(ReadI32(p + 4)), std::abs(ReadI32(p + 8))};
  return true;
}

}  // namespace

THeadlessMenu::~THeadlessMenu() { backend_.ForgetMenu(this); }

void THeadlessMenu::Popup(IWidget* owner) {
  owner_ = owner;
  open_ = true;
  ++popups_;
}

bool THeadlessMenu::Pick(int32_t index) {
  if (!open_) return false;
  open_ = false;
  if (index < 0 || index >= static_cast<int32_t>(items_.size())) return false;
  const TMenuItem& item = items_[index];
  if (item.Separator || !item.Enabled) return false;
  OnPick(index);
  return true;
}

THeadlessTray::~THeadlessTray() { backend_.ForgetTray(this); }

void THeadlessTray::Add(std::shared_ptr<IIcon> icon, const std::string& tip) {
  icon_ = std::move(icon);
  tip_ = tip;
  added_ = true;
  ++adds_;
}

void THeadlessTray::Modify(std::shared_ptr<IIcon> icon, const std::string& tip) {
  icon_ = std::move(icon);
  tip_ = tip;
  ++modifies_;
}

void THeadlessTray::ShowBalloon(const std::string& title, const std::string& text,
                                TBalloonIcon icon, uint32_t timeoutMs) {
  if (!added_) return;  // Shell_NotifyIcon has no icon to modify
  balloons_.push_back(TBalloon{title, text, icon, timeoutMs});
}

void THeadlessTray::Mouse(TTrayMouse what, TMouseButton button) {
  if (added_) OnMouse(what, button);
}

void THeadlessTray::RestartTaskbar() {
  added_ = false;
  OnTaskbarCreated();
}

void THeadlessToolTips::SetTip(IWidget* control, const std::string& text) {
  if (text.empty()) {
    tips_.erase(control);
  } else {
    tips_[control] = text;
  }
}

std::string THeadlessToolTips::TipOf(const IWidget* control) const {
  auto it = tips_.find(control);
  return it == tips_.end() ? std::string() : it->second;
}

THeadlessBackend::THeadlessBackend() = default;

// Every widget, menu and tray icon must be gone before its backend.
THeadlessBackend::~THeadlessBackend() = default;

std::unique_ptr<IWidget> THeadlessBackend::CreateWidget(const TCreateArgs& args) {
  auto widget = std::make_unique<THeadlessWidget>(*this, args, nextHandle_);
  widgets_[nextHandle_] = widget.get();
  nextHandle_ += 4;
  if (args.Kind == TWidgetKind::Form && args.Visible) SetActive(widget.get());
  return widget;
}

std::unique_ptr<IPopupMenu> THeadlessBackend::CreatePopupMenu() {
  auto menu = std::make_unique<THeadlessMenu>(*this);
  menus_.push_back(menu.get());
  return menu;
}

std::unique_ptr<ITrayIcon> THeadlessBackend::CreateTrayIcon(IWidget* form) {
  auto tray = std::make_unique<THeadlessTray>(*this, form);
  trays_.push_back(tray.get());
  return tray;
}

IToolTips& THeadlessBackend::ToolTips() {
  if (!toolTips_) toolTips_ = std::make_unique<THeadlessToolTips>();
  return *toolTips_;
}

std::shared_ptr<IBitmap> THeadlessBackend::LoadBitmap(const std::string& name) {
  platform::TResourceBytes bytes = platform::FindResource(name, kBitmapType);
  TSize size;
  if (!bytes.Found() || !BitmapSize(bytes, size)) return nullptr;
  return std::make_shared<THeadlessBitmap>(name, size);
}

std::shared_ptr<IIcon> THeadlessBackend::LoadIcon(const std::string& name) {
  if (!platform::FindResource(name, kGroupIconType).Found()) return nullptr;
  return std::make_shared<THeadlessIcon>(name);
}

IWidget* THeadlessBackend::FromHandle(intptr_t handle) {
  auto it = widgets_.find(handle);
  return it == widgets_.end() ? nullptr : it->second;
}

void THeadlessBackend::BringToFront(IWidget* form) {
  ++foregroundCalls_;
  if (form) form->Activate();
}

bool THeadlessBackend::ChooseFont(IWidget* owner, TFontChoice& font) {
  ++FontDialogs;
  DialogOwner = owner;
  return FontDialog && FontDialog(font);
}

bool THeadlessBackend::OpenFile(IWidget* owner, const std::string& title, const std::string& filter,
                                const std::string& folder, std::string& path) {
  ++FileDialogs;
  DialogOwner = owner;
  return FileDialog && FileDialog(title, filter, folder, path);
}

std::vector<THeadlessWidget*> THeadlessBackend::Widgets() const {
  std::vector<THeadlessWidget*> all;
  for (auto& [handle, widget] : widgets_) all.push_back(widget);  // handles rise
  return all;
}

std::vector<THeadlessWidget*> THeadlessBackend::Forms() const {
  std::vector<THeadlessWidget*> forms;
  for (THeadlessWidget* w : Widgets()) {
    if (w->Kind() == TWidgetKind::Form) forms.push_back(w);
  }
  return forms;
}

THeadlessWidget* THeadlessBackend::Find(TWidgetKind kind, const std::string& text) const {
  for (THeadlessWidget* w : Widgets()) {
    if (w->Kind() == kind && w->Text() == text) return w;
  }
  return nullptr;
}

void THeadlessBackend::Forget(THeadlessWidget* widget) {
  widgets_.erase(widget->Handle());
  if (active_ == widget) active_ = nullptr;
  if (focused_ == widget) focused_ = nullptr;
  if (toolTips_) toolTips_->Forget(widget);
}

void THeadlessBackend::SetActive(THeadlessWidget* form) {
  if (form == active_) return;
  THeadlessWidget* previous = active_;
  active_ = form;
  if (previous) previous->Events.OnActivate(false);
  if (form) form->Events.OnActivate(true);
}

void THeadlessBackend::SetFocused(THeadlessWidget* widget) {
  if (widget == focused_) return;
  THeadlessWidget* previous = focused_;
  focused_ = widget;
  if (previous) previous->Events.OnBlur();
  if (widget) widget->Events.OnFocus();
}

void THeadlessBackend::ForgetMenu(THeadlessMenu* menu) {
  menus_.erase(std::remove(menus_.begin(), menus_.end(), menu), menus_.end());
}

void THeadlessBackend::ForgetTray(THeadlessTray* tray) {
  trays_.erase(std::remove(trays_.begin(), trays_.end(), tray), trays_.end());
}

THeadlessWidget& Of(IWidget* widget) { return dynamic_cast<THeadlessWidget&>(*widget); }
THeadlessMenu& Of(IPopupMenu* menu) { return dynamic_cast<THeadlessMenu&>(*menu); }
THeadlessTray& Of(ITrayIcon* tray) { return dynamic_cast<THeadlessTray&>(*tray); }

}  // namespace zorn::ui::headless
