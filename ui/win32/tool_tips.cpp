#include "ui/win32/tool_tips.h"


#include <windowsx.h>

#include <string>

#include "platform/win32/cp1251.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

// The size comctl32 5 and 6 both accept. No TTF_SUBCLASS: the widget hands
// its mouse messages over itself (Relay), since a comctl32 subclass costs
// every message of the control a window-property read, a wineserver
// request under Wine.
TTTOOLINFOW ToolOf(HWND control) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = GetParent(control);
  info.uId = reinterpret_cast<UINT_PTR>(control);
  return info;
}

}  // namespace

TWin32ToolTips::TWin32ToolTips() {
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  // Several lines of a hint break where the text has its line breaks.
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 600);
}

TWin32ToolTips::~TWin32ToolTips() {
  if (tips_) DestroyWindow(tips_);
  if (font_) DeleteObject(font_);
}

void TWin32ToolTips::SetTip(IWidget* control, const std::string& text) {
  HWND hwnd = control ? reinterpret_cast<HWND>(control->Handle()) : nullptr;
  if (!hwnd || !tips_) return;
  if (text.empty()) {
    Remove(hwnd);
    return;
  }
  // Schemes set a hint on every reply line; the same text changes nothing.
  auto known = tools_.find(hwnd);
  if (known != tools_.end() && known->second == text) return;
  std::wstring w = platform::WideFrom1251(text);
  TTTOOLINFOW info = ToolOf(hwnd);
  info.lpszText = w.data();
  if (known != tools_.end()) {
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    known->second = text;
  } else if (SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
    tools_[hwnd] = text;
  }
}

void TWin32ToolTips::Relay(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP:
      break;
    default:
      return;
  }
  if (!tips_ || !tools_.count(control)) return;
  MSG relayed{control, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
  DWORD pos = GetMessagePos();
  relayed.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TWin32ToolTips::Forget(IWidget* control) {
  if (control) Remove(reinterpret_cast<HWND>(control->Handle()));
}

void TWin32ToolTips::Remove(HWND control) {
  if (!tools_.erase(control)) return;
  TTTOOLINFOW info = ToolOf(control);
  SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void TWin32ToolTips::ForgetWindow(HWND hwnd) { tools_.erase(hwnd); }

void TWin32ToolTips::SetFont(const TFontSpec& font) {
  HFONT old = font_;
  font_ = MakeFont(font);
  SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  if (old) DeleteObject(old);
}

void TWin32ToolTips::SetTimes(uint32_t initialMs, uint32_t displayMs) {
  SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_INITIAL, static_cast<LPARAM>(initialMs));
  SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, static_cast<LPARAM>(displayMs));
}

}  // namespace zorn::ui::win32
