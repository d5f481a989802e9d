// The one tool-tip control of the program (comctl32), with a tool for each
// control that has a hint.
#pragma once

#include "ui/win32/win_api.h"

#include <map>
#include <string>

#include "ui/backend.h"

namespace zorn::ui::win32 {

class TWin32ToolTips : public IToolTips {
 public:
  TWin32ToolTips();
  ~TWin32ToolTips() override;
  void SetTip(IWidget* control, const std::string& text) override;
  void Forget(IWidget* control) override;
  void SetFont(const TFontSpec& font) override;
  void SetTimes(uint32_t initialMs, uint32_t displayMs) override;

  // A mouse message of `control`, shown to the tool tip when it has a tool.
  void Relay(HWND control, UINT msg, WPARAM wp, LPARAM lp);
  // A control's window is gone.
  void ForgetWindow(HWND hwnd);

 private:
  void Remove(HWND control);

  HWND tips_ = nullptr;
  HFONT font_ = nullptr;
  std::map<HWND, std::string> tools_;  // each tool's text
};

}  // namespace zorn::ui::win32
