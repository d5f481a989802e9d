#include "ui/win32/tray_icon.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/cp1251.h"
#include "ui/win32/backend.h"

namespace zorn::ui::win32 {
namespace {

constexpr wchar_t kHostClass[] = L"ZornTrayHost";
constexpr UINT kCallback = WM_APP + 0x20;
constexpr UINT kIconId = 1;
constexpr size_t kTipLength = 63;

template <size_t N>
void CopyInto(wchar_t (&target)[N], const std::wstring& text, size_t limit) {
  size_t n = std::min({text.size(), limit, N - 1});
  std::copy_n(text.begin(), n, target);
  target[n] = L'\0';
}

}  // namespace

TWin32Tray::TWin32Tray(IWidget* form) : form_(form) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TWin32Tray::HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kHostClass;
  RegisterClassExW(&wc);
  // A top-level window, hidden: message-only windows miss the broadcast
  // that announces a restarted task bar.
  host_ = CreateWindowExW(WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          wc.hInstance, nullptr);
  SetWindowLongPtrW(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

TWin32Tray::~TWin32Tray() {
  Remove();
  SetWindowLongPtrW(host_, GWLP_USERDATA, 0);
  DestroyWindow(host_);
}

NOTIFYICONDATAW TWin32Tray::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = host_;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kCallback;
  HICON icon = nullptr;
  if (auto* own = dynamic_cast<TWin32Icon*>(icon_.get())) icon = own->Small();
  if (!icon && form_) {
    HWND hwnd = reinterpret_cast<HWND>(form_->Handle());
    icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  }
  data.hIcon = icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
  CopyInto(data.szTip, tip_, kTipLength);
  return data;
}

void TWin32Tray::Set(std::shared_ptr<IIcon> icon, const std::string& tip) {
  icon_ = std::move(icon);
  tip_ = platform::WideFrom1251(tip);
}

void TWin32Tray::Add(std::shared_ptr<IIcon> icon, const std::string& tip) {
  Set(std::move(icon), tip);
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // An icon left from before (the element adds again after a restart).
  if (added_) Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TWin32Tray::Modify(std::shared_ptr<IIcon> icon, const std::string& tip) {
  Set(std::move(icon), tip);
  if (!added_) return;
  NOTIFYICONDATAW data = Data(NIF_ICON | NIF_TIP);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TWin32Tray::Remove() {
  if (!added_) return;
  NOTIFYICONDATAW data = Data(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = false;
}

void TWin32Tray::ShowBalloon(const std::string& title, const std::string& text, TBalloonIcon icon,
                             uint32_t timeoutMs) {
  if (!added_) return;
  NOTIFYICONDATAW data = Data(NIF_INFO);
  CopyInto(data.szInfo, platform::WideFrom1251(text), 255);
  CopyInto(data.szInfoTitle, platform::WideFrom1251(title), 63);
  data.uTimeout = timeoutMs;
  switch (icon) {
    case TBalloonIcon::Info: data.dwInfoFlags = NIIF_INFO; break;
    case TBalloonIcon::Warning: data.dwInfoFlags = NIIF_WARNING; break;
    case TBalloonIcon::Error: data.dwInfoFlags = NIIF_ERROR; break;
    case TBalloonIcon::None: data.dwInfoFlags = NIIF_NONE; break;
  }
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

LRESULT CALLBACK TWin32Tray::HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TWin32Tray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == kCallback) {
    self->Callback(lp);
    return 0;
  }
  if (self && msg == self->taskbarCreated_ && msg != 0) {
    // Every icon went with the old task bar.
    self->added_ = false;
    self->OnTaskbarCreated();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void TWin32Tray::Callback(LPARAM lp) {
  switch (LOWORD(lp)) {
    case WM_MOUSEMOVE: OnMouse(TTrayMouse::Move, TMouseButton::Left); break;
    case WM_LBUTTONDOWN: OnMouse(TTrayMouse::Down, TMouseButton::Left); break;
    case WM_RBUTTONDOWN: OnMouse(TTrayMouse::Down, TMouseButton::Right); break;
    case WM_MBUTTONDOWN: OnMouse(TTrayMouse::Down, TMouseButton::Middle); break;
    case WM_LBUTTONUP: OnMouse(TTrayMouse::Up, TMouseButton::Left); break;
    case WM_RBUTTONUP: OnMouse(TTrayMouse::Up, TMouseButton::Right); break;
    case WM_MBUTTONUP: OnMouse(TTrayMouse::Up, TMouseButton::Middle); break;
    case WM_LBUTTONDBLCLK: OnMouse(TTrayMouse::DblClick, TMouseButton::Left); break;
    case WM_RBUTTONDBLCLK: OnMouse(TTrayMouse::DblClick, TMouseButton::Right); break;
    case WM_MBUTTONDBLCLK: OnMouse(TTrayMouse::DblClick, TMouseButton::Middle); break;
    case NIN_BALLOONSHOW: OnBalloon(TBalloonEvent::Shown); break;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT: OnBalloon(TBalloonEvent::Hidden); break;
    case NIN_BALLOONUSERCLICK: OnBalloon(TBalloonEvent::Clicked); break;
    default: break;
  }
}

}  // namespace zorn::ui::win32
