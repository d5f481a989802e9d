// Geometry, visibility, text, font and colour of a native control, and the
// window operations of forms.
#include "ui/win32/win_api.h"

#include <algorithm>

#include "platform/win32/cp1251.h"
#include "ui/win32/backend.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {

COLORREF ColorRef(uint32_t color) {
  if ((color & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

HFONT MakeFont(const TFontSpec& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Height;
  lf.lfWeight = (font.Style & 1) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style & 2) ? TRUE : FALSE;
  lf.lfUnderline = (font.Style & 4) ? TRUE : FALSE;
  lf.lfStrikeOut = (font.Style & 8) ? TRUE : FALSE;
  lf.lfCharSet = font.CharSet;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring name = platform::WideFrom1251(font.Name);
  name.resize(std::min<size_t>(name.size(), LF_FACESIZE - 1));
  std::copy(name.begin(), name.end(), lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

void TWin32Widget::SetBounds(const TRect& r) {
  if (!hwnd_) return;
  int height = r.Height;
  // A combo box's window height is that of its open list; the closed
  // control takes its height from the font.
  if (kind_ == TWidgetKind::ComboBox) height = std::max(dropDownHeight_, r.Height);
  SetWindowPos(hwnd_, nullptr, r.Left, r.Top, r.Width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TWin32Widget::Bounds() const {
  if (!hwnd_) return {};
  RECT rc;
  GetWindowRect(hwnd_, &rc);
  HWND parent = kind_ == TWidgetKind::Form ? nullptr : GetParent(hwnd_);
  if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rc), 2);
  return {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top};
}

TRect TWin32Widget::NormalBounds() const {
  if (!hwnd_ || kind_ != TWidgetKind::Form || !IsIconic(hwnd_)) return Bounds();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(hwnd_, &placement)) return Bounds();
  RECT r = placement.rcNormalPosition;
  // The normal place is in work-area coordinates, except for tool windows.
  if (!(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) {
      OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left,
                 monitor.rcWork.top - monitor.rcMonitor.top);
    }
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TSize TWin32Widget::ClientSize() const {
  RECT rc{};
  if (hwnd_) GetClientRect(hwnd_, &rc);
  return {rc.right, rc.bottom};
}

void TWin32Widget::SetClientSize(const TSize& s) {
  if (!hwnd_) return;
  RECT rc{0, 0, s.Width, s.Height};
  AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
  TRect b = Bounds();
  SetBounds({b.Left, b.Top, rc.right - rc.left, rc.bottom - rc.top});
}

void TWin32Widget::SetParent(IWidget* parent) {
  parent_ = parent;
  if (!hwnd_ || kind_ == TWidgetKind::Form) return;
  ::SetParent(hwnd_, parent ? reinterpret_cast<HWND>(parent->Handle()) : HWND_MESSAGE);
  if (parent) RaiseAboveSiblings();
}

// A control made (or moved into its parent) later lies above the ones there
// before it, whatever order the system gives new children: a picture that
// fills a panel stays under the controls placed on the panel afterwards.
void TWin32Widget::RaiseAboveSiblings() {
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWin32Widget::SetVisible(bool visible) {
  if (!hwnd_) return;
  if (kind_ != TWidgetKind::Form) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    return;
  }
  // Showing a form activates it; WM_SHOWWINDOW reports the change.
  if (visible == Visible()) return;
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool TWin32Widget::Visible() const {
  return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TWin32Widget::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

bool TWin32Widget::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

// Setting what a control already shows changes nothing and repaints nothing:
// the schemes set texts, fonts and pictures on every reply line, and under
// Wine each repaint is a round of server and X calls.
void TWin32Widget::SetText(const std::string& text) {
  if (!hwnd_ || kind_ == TWidgetKind::Table || Text() == text) return;
  ++suppress_;
  SetWindowTextW(hwnd_, platform::WideFrom1251(text).c_str());
  --suppress_;
  if (kind_ == TWidgetKind::Panel || kind_ == TWidgetKind::Button ||
      kind_ == TWidgetKind::CheckBox || kind_ == TWidgetKind::RadioButton) {
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  if (kind_ == TWidgetKind::Label) RepaintBeneath();
}

std::string TWin32Widget::Text() const {
  if (!hwnd_) return {};
  int n = GetWindowTextLengthW(hwnd_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd_, w.data(), n + 1);
  w.resize(std::max(n, 0));
  return platform::NarrowTo1251(w);
}

void TWin32Widget::SetFont(const TFontSpec& font) {
  if (hfont_ && font == font_) return;
  font_ = font;
  if (!hwnd_) return;
  HFONT old = hfont_;
  hfont_ = MakeFont(font);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(hfont_), TRUE);
  if (old) DeleteObject(old);
  if (kind_ == TWidgetKind::Label) RepaintBeneath();
}

void TWin32Widget::SetColor(uint32_t color) {
  color_ = color;
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(ColorRef(color));
  if (kind_ == TWidgetKind::Table && hwnd_) {
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, ColorRef(color));
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, ColorRef(color));
  }
  Invalidate();
}

void TWin32Widget::SetCursor(const std::string& name) {
  static const struct {
    const char* Name;
    const wchar_t* Id;
  } kCursors[] = {
      {"crArrow", IDC_ARROW},     {"crIBeam", IDC_IBEAM},       {"crHourGlass", IDC_WAIT},
      {"crCross", IDC_CROSS},     {"crHandPoint", IDC_HAND},    {"crSizeAll", IDC_SIZEALL},
      {"crSizeNS", IDC_SIZENS},   {"crSizeWE", IDC_SIZEWE},     {"crSizeNESW", IDC_SIZENESW},
      {"crSizeNWSE", IDC_SIZENWSE}, {"crNo", IDC_NO},           {"crAppStart", IDC_APPSTARTING},
      {"crHelp", IDC_HELP},       {"crUpArrow", IDC_UPARROW},
  };
  cursor_ = nullptr;
  for (const auto& c : kCursors) {
    if (name == c.Name) cursor_ = LoadCursorW(nullptr, c.Id);
  }
}

void TWin32Widget::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWin32Widget::SetFocus() {
  if (hwnd_ && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_)) ::SetFocus(hwnd_);
}

HWND TWin32Widget::TextWindow() const { return editHwnd_ ? editHwnd_ : hwnd_; }

int32_t TWin32Widget::Caret() const {
  if (!hwnd_) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(TextWindow(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int32_t>(end);
}

void TWin32Widget::SetCaret(int32_t position) {
  if (hwnd_) SendMessageW(TextWindow(), EM_SETSEL, position, position);
}

void TWin32Widget::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Invalidate();
}

void TWin32Widget::SetIcon(std::shared_ptr<IIcon> icon) {
  icon_ = std::move(icon);
  if (!hwnd_ || kind_ != TWidgetKind::Form) return;
  HICON big = nullptr, small = nullptr;
  if (auto* own = dynamic_cast<TWin32Icon*>(icon_.get())) {
    big = own->Big();
    small = own->Small();
  } else if (HWND owner = GetWindow(hwnd_, GW_OWNER)) {
    big = reinterpret_cast<HICON>(SendMessageW(owner, WM_GETICON, ICON_BIG, 0));
    small = reinterpret_cast<HICON>(SendMessageW(owner, WM_GETICON, ICON_SMALL, 0));
  }
  if (!big) big = backend_.ProgramIcon();
  if (!small) small = big;
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void TWin32Widget::RequestClose() {
  if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void TWin32Widget::Activate() {
  if (hwnd_ && kind_ == TWidgetKind::Form && IsWindowVisible(hwnd_)) SetForegroundWindow(hwnd_);
}

void TWin32Widget::SetTopmost(bool topmost) {
  if (hwnd_) {
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool TWin32Widget::Minimized() const { return hwnd_ && IsIconic(hwnd_); }

void TWin32Widget::DragMove() {
  // The system's own move loop, started as from a press on the caption.
  if (!hwnd_ || kind_ != TWidgetKind::Form) return;
  ReleaseCapture();
  SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void TWin32Widget::Restore() {
  if (!hwnd_ || !IsIconic(hwnd_)) return;
  ShowWindow(hwnd_, SW_RESTORE);
  Events.OnRestore();
}

}  // namespace zorn::ui::win32
