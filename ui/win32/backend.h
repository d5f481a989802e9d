// The Win32 backend: native windows and comctl32 controls, owner-drawn
// gradient buttons and menus, the notification-area icon and the common
// dialogs. Text crosses into Win32 as UTF-16 converted with code page 1251.
#pragma once

#include "ui/win32/win_api.h"

#include <map>
#include <memory>
#include <string>

#include "ui/backend.h"
#include "ui/tab_order.h"

namespace zorn::ui::win32 {

class TWin32Widget;
class TWin32ToolTips;

// Window classes of our own windows (forms, panels, images, helpers).
extern const wchar_t kFormClass[];
extern const wchar_t kPanelClass[];
extern const wchar_t kImageClass[];

class TWin32Backend : public IBackend {
 public:
  TWin32Backend();
  ~TWin32Backend() override;

  std::unique_ptr<IWidget> CreateWidget(const TCreateArgs& args) override;
  std::unique_ptr<IPopupMenu> CreatePopupMenu() override;
  std::unique_ptr<ITrayIcon> CreateTrayIcon(IWidget* form) override;
  IToolTips& ToolTips() override;
  void ReleaseToolTips() override;
  std::shared_ptr<IBitmap> LoadBitmap(const std::string& name) override;
  std::shared_ptr<IIcon> LoadIcon(const std::string& name) override;
  void SetApplicationVisible(bool visible) override;
  TSize ScreenSize() override;
  TRect DesktopRect() override;
  int32_t ScreenDpiY() override;
  IWidget* FromHandle(intptr_t handle) override;
  IWidget* ActiveForm() override;
  void BringToFront(IWidget* form) override;
  bool ChooseFont(IWidget* owner, TFontChoice& font) override;
  bool OpenFile(IWidget* owner, const std::string& title, const std::string& filter,
                const std::string& folder, std::string& path) override;

  // Called by the widgets.
  void Register(HWND hwnd, TWin32Widget* widget) { widgets_[hwnd] = widget; }
  void Forget(HWND hwnd);
  TWin32Widget* Find(HWND hwnd) const;
  // A mouse message of one of our controls, for the tool tip.
  void RelayToolTip(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // The program's icon: the first icon group of the exe.
  HICON ProgramIcon() const { return programIcon_; }
  uint64_t NextCreated() { return ++created_; }
  // The Tab key pressed in `focus`: moves the focus to the next (previous)
  // tab stop of its window. False when `focus` is none of our controls.
  bool MoveFocusByTab(HWND focus, TTabDirection direction);

 private:
  std::map<HWND, TWin32Widget*> widgets_;
  uint64_t created_ = 0;
  HHOOK tabHook_ = nullptr;
  // Hidden owner of the main window while the application has no task-bar
  // presence; an owned window without WS_EX_APPWINDOW gets no task-bar entry.
  HWND applicationWindow_ = nullptr;
  std::unique_ptr<TWin32ToolTips> toolTips_;
  HICON programIcon_ = nullptr;
};

// The backend's bitmap and icon objects.
class TWin32Bitmap : public IBitmap {
 public:
  explicit TWin32Bitmap(HBITMAP bitmap);
  ~TWin32Bitmap() override;
  TSize Size() const override { return size_; }
  HBITMAP Get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
  TSize size_;
};

class TWin32Icon : public IIcon {
 public:
  TWin32Icon(HICON big, HICON small) : big_(big), small_(small) {}
  ~TWin32Icon() override;
  HICON Big() const { return big_; }
  HICON Small() const { return small_; }

 private:
  HICON big_;
  HICON small_;
};

}  // namespace zorn::ui::win32
