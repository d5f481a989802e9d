// The headless backend: the in-memory widget tree of the native build. It
// keeps the same contract as the Win32 backend; tests install a fresh one per
// test with ui::SetBackend and drive its controls as a user would.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/headless/widget.h"

namespace zorn::ui::headless {

class THeadlessBackend;

class THeadlessBitmap : public IBitmap {
 public:
  THeadlessBitmap(std::string name, TSize size) : Name(std::move(name)), size_(size) {}
  TSize Size() const override { return size_; }
  const std::string Name;

 private:
  TSize size_;
};

class THeadlessIcon : public IIcon {
 public:
  explicit THeadlessIcon(std::string name) : Name(std::move(name)) {}
  const std::string Name;
};

class THeadlessMenu : public IPopupMenu {
 public:
  explicit THeadlessMenu(THeadlessBackend& backend) : backend_(backend) {}
  ~THeadlessMenu() override;
  void SetItems(const std::vector<TMenuItem>& items) override { items_ = items; }
  void SetLook(const TMenuLook& look) override { look_ = look; }
  void Popup(IWidget* owner) override;

  // The user chooses item `index` of the open menu; false when the menu is
  // not open or the item cannot be chosen (separator, greyed, out of range).
  // The menu closes either way, as a click outside it would close it.
  bool Pick(int32_t index);
  // The user closes the menu without a choice.
  void Dismiss() { open_ = false; }

  bool Open() const { return open_; }
  int32_t Popups() const { return popups_; }
  IWidget* Owner() const { return owner_; }
  const std::vector<TMenuItem>& Items() const { return items_; }
  const TMenuLook& Look() const { return look_; }

 private:
  THeadlessBackend& backend_;
  std::vector<TMenuItem> items_;
  TMenuLook look_;
  bool open_ = false;
  int32_t popups_ = 0;
  IWidget* owner_ = nullptr;
};

struct TBalloon {
  std::string Title;
  std::string Text;
  TBalloonIcon Icon = TBalloonIcon::None;
  uint32_t TimeoutMs = 0;
};

class THeadlessTray : public ITrayIcon {
 public:
  THeadlessTray(THeadlessBackend& backend, IWidget* form) : backend_(backend), form_(form) {}
  ~THeadlessTray() override;
  void Add(std::shared_ptr<IIcon> icon, const std::string& tip) override;
  void Modify(std::shared_ptr<IIcon> icon, const std::string& tip) override;
  void Remove() override { added_ = false; }
  void ShowBalloon(const std::string& title, const std::string& text, TBalloonIcon icon,
                   uint32_t timeoutMs) override;

  // The user works the icon.
  void Mouse(TTrayMouse what, TMouseButton button = TMouseButton::Left);
  void Balloon(TBalloonEvent what) { OnBalloon(what); }
  // Explorer restarts: every icon is gone until it is added again.
  void RestartTaskbar();

  bool Added() const { return added_; }
  const std::shared_ptr<IIcon>& Icon() const { return icon_; }
  const std::string& Tip() const { return tip_; }
  const std::vector<TBalloon>& Balloons() const { return balloons_; }
  IWidget* Form() const { return form_; }
  int32_t Adds() const { return adds_; }
  int32_t Modifies() const { return modifies_; }

 private:
  THeadlessBackend& backend_;
  IWidget* form_;
  bool added_ = false;
  int32_t adds_ = 0;
  int32_t modifies_ = 0;
  std::shared_ptr<IIcon> icon_;
  std::string tip_;
  std::vector<TBalloon> balloons_;
};

class THeadlessToolTips : public IToolTips {
 public:
  void SetTip(IWidget* control, const std::string& text) override;
  void Forget(IWidget* control) override { tips_.erase(control); }
  void SetFont(const TFontSpec& font) override { font_ = font; }
  void SetTimes(uint32_t initialMs, uint32_t displayMs) override {
    initialMs_ = initialMs;
    displayMs_ = displayMs;
  }

  // The tip of `control`, empty when it has none.
  std::string TipOf(const IWidget* control) const;
  size_t Count() const { return tips_.size(); }
  const TFontSpec& Font() const { return font_; }
  uint32_t InitialMs() const { return initialMs_; }
  uint32_t DisplayMs() const { return displayMs_; }

 private:
  std::map<const IWidget*, std::string> tips_;
  TFontSpec font_;
  uint32_t initialMs_ = 500;
  uint32_t displayMs_ = 5000;
};

class THeadlessBackend : public IBackend {
 public:
  THeadlessBackend();
  ~THeadlessBackend() override;

  std::unique_ptr<IWidget> CreateWidget(const TCreateArgs& args) override;
  std::unique_ptr<IPopupMenu> CreatePopupMenu() override;
  std::unique_ptr<ITrayIcon> CreateTrayIcon(IWidget* form) override;
  IToolTips& ToolTips() override;
  void ReleaseToolTips() override { toolTips_.reset(); }
  // Resources of the embedded table (platform/resources.h): bitmaps of type 2
  // with their size from the bitmap header, icons of type 14.
  std::shared_ptr<IBitmap> LoadBitmap(const std::string& name) override;
  std::shared_ptr<IIcon> LoadIcon(const std::string& name) override;
  void SetApplicationVisible(bool visible) override { applicationVisible_ = visible; }
  TSize ScreenSize() override { return screen_; }
  TRect DesktopRect() override { return {0, 0, screen_.Width, screen_.Height}; }
  int32_t ScreenDpiY() override {
    ++dpiQueries_;
    return dpi_;
  }
  IWidget* FromHandle(intptr_t handle) override;
  IWidget* ActiveForm() override { return active_; }
  void BringToFront(IWidget* form) override;
  bool ChooseFont(IWidget* owner, TFontChoice& font) override;
  bool OpenFile(IWidget* owner, const std::string& title, const std::string& filter,
                const std::string& folder, std::string& path) override;

  // Test controls.
  void SetScreen(TSize size, int32_t dpi) {
    screen_ = size;
    dpi_ = dpi;
  }
  int32_t DpiQueries() const { return dpiQueries_; }
  THeadlessToolTips* ToolTipsIfMade() { return toolTips_.get(); }
  // Answers of the common dialogs; unset answers cancel.
  std::function<bool(TFontChoice&)> FontDialog;
  std::function<bool(const std::string& title, const std::string& filter,
                     const std::string& folder, std::string& path)>
      FileDialog;
  int32_t FontDialogs = 0;
  int32_t FileDialogs = 0;
  IWidget* DialogOwner = nullptr;  // the owner given to the last dialog
  // What the start made of the task-bar presence; unset before.
  std::optional<bool> ApplicationVisible() const { return applicationVisible_; }
  // The widgets alive now, in creation order; the top-level forms among them.
  std::vector<THeadlessWidget*> Widgets() const;
  std::vector<THeadlessWidget*> Forms() const;
  // The first live widget of `kind` whose text is `text`.
  THeadlessWidget* Find(TWidgetKind kind, const std::string& text) const;
  // The last tray icon and popup menu made (for tests of the schemes).
  std::vector<THeadlessTray*> Trays() const { return trays_; }
  std::vector<THeadlessMenu*> Menus() const { return menus_; }
  int32_t ForegroundCalls() const { return foregroundCalls_; }

  // Called by the widgets.
  void Forget(THeadlessWidget* widget);
  void SetActive(THeadlessWidget* form);
  THeadlessWidget* Focused() const { return focused_; }
  void SetFocused(THeadlessWidget* widget);
  void ForgetMenu(THeadlessMenu* menu);
  void ForgetTray(THeadlessTray* tray);

 private:
  TSize screen_{1024, 768};
  int32_t dpi_ = 96;
  int32_t dpiQueries_ = 0;
  intptr_t nextHandle_ = 0x1000;
  std::map<intptr_t, THeadlessWidget*> widgets_;
  THeadlessWidget* active_ = nullptr;
  THeadlessWidget* focused_ = nullptr;
  std::unique_ptr<THeadlessToolTips> toolTips_;
  std::vector<THeadlessTray*> trays_;
  std::vector<THeadlessMenu*> menus_;
  int32_t foregroundCalls_ = 0;
  std::optional<bool> applicationVisible_;
};

// The headless widget behind an element's IWidget (the build's backend is
// headless whenever these are used).
THeadlessWidget& Of(IWidget* widget);
THeadlessMenu& Of(IPopupMenu* menu);
THeadlessTray& Of(ITrayIcon* tray);

}  // namespace zorn::ui::headless
