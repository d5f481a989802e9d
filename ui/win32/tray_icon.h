// The notification-area icon of a form, with balloons; a hidden window of
// its own takes the icon's callbacks and the "TaskbarCreated" broadcast.
#pragma once

#include "ui/win32/win_api.h"

#include <memory>
#include <string>

#include "ui/backend.h"

namespace zorn::ui::win32 {

class TWin32Tray : public ITrayIcon {
 public:
  explicit TWin32Tray(IWidget* form);
  ~TWin32Tray() override;
  void Add(std::shared_ptr<IIcon> icon, const std::string& tip) override;
  void Modify(std::shared_ptr<IIcon> icon, const std::string& tip) override;
  void Remove() override;
  void ShowBalloon(const std::string& title, const std::string& text, TBalloonIcon icon,
                   uint32_t timeoutMs) override;

  // The hidden window behind the icon (tests find the icon by it).
  HWND Host() const { return host_; }

 private:
  static LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Callback(LPARAM lp);
  NOTIFYICONDATAW Data(UINT flags) const;
  void Set(std::shared_ptr<IIcon> icon, const std::string& tip);

  IWidget* form_;
  HWND host_ = nullptr;
  UINT taskbarCreated_ = 0;
  bool added_ = false;
  std::shared_ptr<IIcon> icon_;
  std::wstring tip_;
};

}  // namespace zorn::ui::win32
