#include "ui/win32/backend.h"

#include "ui/win32/win_api.h"

#include "platform/win32/cp1251.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/tool_tips.h"
#include "ui/win32/tray_icon.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {

const wchar_t kFormClass[] = L"ZornForm";
const wchar_t kPanelClass[] = L"ZornPanel";
const wchar_t kImageClass[] = L"ZornImage";
const wchar_t kApplicationClass[] = L"ZornApplication";

// tab_keys.cpp
void InstallTabKeys(TWin32Backend* backend, HHOOK& hook);
void RemoveTabKeys(TWin32Backend* backend, HHOOK& hook);

namespace {

BOOL CALLBACK FirstIcon(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
  auto* icon = reinterpret_cast<HICON*>(found);
  *icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, 0, 0,
                                        LR_DEFAULTSIZE | LR_SHARED));
  return *icon == nullptr;  // stop at the first that loads
}

// Our windows' classes: every message goes to the widget's subclass, made
// right after creation, so the class procedure is the default one.
void RegisterOwnClass(const wchar_t* name, UINT style, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style | CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);  // a second backend finds it registered
}

}  // namespace

TWin32Backend::TWin32Backend() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                           ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  EnumResourceNamesW(nullptr, reinterpret_cast<LPCWSTR>(RT_GROUP_ICON), &FirstIcon,
                     reinterpret_cast<LONG_PTR>(&programIcon_));
  if (!programIcon_) programIcon_ = LoadIconW(nullptr, IDI_APPLICATION);
  RegisterOwnClass(kFormClass, 0, programIcon_);
  RegisterOwnClass(kPanelClass, CS_HREDRAW | CS_VREDRAW, nullptr);
  RegisterOwnClass(kImageClass, CS_HREDRAW | CS_VREDRAW, nullptr);
  RegisterOwnClass(kApplicationClass, 0, programIcon_);
  InstallTabKeys(this, tabHook_);
}

// Every widget, menu and tray icon must be gone before its backend.
TWin32Backend::~TWin32Backend() {
  RemoveTabKeys(this, tabHook_);
  if (applicationWindow_) DestroyWindow(applicationWindow_);
}

void TWin32Backend::SetApplicationVisible(bool visible) {
  TWin32Widget* main = nullptr;
  for (const auto& [hwnd, widget] : widgets_) {
    if (widget->Kind() == TWidgetKind::Form && widget->Args().MainWindow) main = widget;
  }
  if (!main) return;
  HWND hwnd = main->Hwnd();
  LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  if (visible) {
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, 0);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex | WS_EX_APPWINDOW);
    return;
  }
  if (!applicationWindow_) {
    applicationWindow_ = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
  }
  // Takes effect at the next show; the main form is still hidden at start.
  SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(applicationWindow_));
  SetWindowLongPtrW(hwnd, GWL_EXSTYLE, ex & ~WS_EX_APPWINDOW);
}

std::unique_ptr<IWidget> TWin32Backend::CreateWidget(const TCreateArgs& args) {
  return std::make_unique<TWin32Widget>(*this, args);
}

std::unique_ptr<IPopupMenu> TWin32Backend::CreatePopupMenu() { return std::make_unique<TWin32Menu>(); }

std::unique_ptr<ITrayIcon> TWin32Backend::CreateTrayIcon(IWidget* form) {
  return std::make_unique<TWin32Tray>(form);
}

IToolTips& TWin32Backend::ToolTips() {
  if (!toolTips_) toolTips_ = std::make_unique<TWin32ToolTips>();
  return *toolTips_;
}

void TWin32Backend::ReleaseToolTips() { toolTips_.reset(); }

void TWin32Backend::RelayToolTip(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (toolTips_) toolTips_->Relay(hwnd, msg, wp, lp);
}

std::shared_ptr<IBitmap> TWin32Backend::LoadBitmap(const std::string& name) {
  std::wstring w = platform::WideFrom1251(name);
  auto bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), w.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return nullptr;
  return std::make_shared<TWin32Bitmap>(bitmap);
}

std::shared_ptr<IIcon> TWin32Backend::LoadIcon(const std::string& name) {
  std::wstring w = platform::WideFrom1251(name);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto big = static_cast<HICON>(LoadImageW(instance, w.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), 0));
  if (!big) return nullptr;
  auto small = static_cast<HICON>(LoadImageW(instance, w.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  return std::make_shared<TWin32Icon>(big, small);
}

TSize TWin32Backend::ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

TRect TWin32Backend::DesktopRect() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int32_t TWin32Backend::ScreenDpiY() {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}

IWidget* TWin32Backend::FromHandle(intptr_t handle) { return Find(reinterpret_cast<HWND>(handle)); }

IWidget* TWin32Backend::ActiveForm() {
  TWin32Widget* w = Find(GetActiveWindow());
  return w && w->Kind() == TWidgetKind::Form ? w : nullptr;
}

void TWin32Backend::BringToFront(IWidget* form) {
  if (!form) return;
  HWND hwnd = reinterpret_cast<HWND>(form->Handle());
  // Windows lets only the foreground thread hand the foreground on; joining
  // its input queue for the call makes this thread one of its kind.
  HWND foreground = GetForegroundWindow();
  DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  DWORD ours = GetCurrentThreadId();
  bool attached = theirs != 0 && theirs != ours && AttachThreadInput(ours, theirs, TRUE);
  SetForegroundWindow(hwnd);
  BringWindowToTop(hwnd);
  if (attached) AttachThreadInput(ours, theirs, FALSE);
}

void TWin32Backend::Forget(HWND hwnd) {
  widgets_.erase(hwnd);
  if (toolTips_) toolTips_->ForgetWindow(hwnd);
}

TWin32Widget* TWin32Backend::Find(HWND hwnd) const {
  auto it = widgets_.find(hwnd);
  return it == widgets_.end() ? nullptr : it->second;
}

TWin32Bitmap::TWin32Bitmap(HBITMAP bitmap) : bitmap_(bitmap) {
  BITMAP info{};
  GetObjectW(bitmap_, sizeof info, &info);
  size_ = {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

TWin32Bitmap::~TWin32Bitmap() { DeleteObject(bitmap_); }

TWin32Icon::~TWin32Icon() {
  if (small_ && small_ != big_) DestroyIcon(small_);
  if (big_) DestroyIcon(big_);
}

}  // namespace zorn::ui::win32

namespace zorn::ui {

std::unique_ptr<IBackend> MakePlatformBackend() { return std::make_unique<win32::TWin32Backend>(); }

}  // namespace zorn::ui
