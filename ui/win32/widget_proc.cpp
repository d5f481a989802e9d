// The message handling of every control: user input turned into events,
// geometry reports, the messages a parent reflects to its children, and the
// commands of forms.
#include "ui/win32/win_api.h"
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/cp1251.h"
#include "ui/win32/backend.h"
#include "ui/win32/draw.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return TMouseButton::Left;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return TMouseButton::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return TMouseButton::Middle;
    default: return TMouseButton::Other;
  }
}

bool IsRush(TWidgetKind kind) {
  return kind == TWidgetKind::Button || kind == TWidgetKind::CheckBox ||
         kind == TWidgetKind::RadioButton;
}

}  // namespace

LRESULT TWin32Widget::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  std::shared_ptr<bool> alive = alive_;
  LRESULT result = 0;
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) backend_.RelayToolTip(hwnd, msg, wp, lp);
  if (Mouse(hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_KEYDOWN:
      Events.OnKeyDown(static_cast<uint16_t>(wp));
      if (!*alive) return 0;
      break;
    case WM_KEYUP:
      result = CallOriginalProc(hwnd, msg, wp, lp);
      if (*alive) Events.OnKeyUp(static_cast<uint16_t>(wp));
      return result;
    case WM_CHAR: {
      std::string ch = platform::NarrowTo1251(std::wstring(1, static_cast<wchar_t>(wp)));
      if (!ch.empty()) Events.OnChar(ch[0]);
      if (!*alive) return 0;
      break;
    }
    case WM_SETFOCUS:
      result = CallOriginalProc(hwnd, msg, wp, lp);
      if (*alive) Events.OnFocus();
      if (*alive && IsRush(kind_)) Invalidate();
      return result;
    case WM_KILLFOCUS:
      result = CallOriginalProc(hwnd, msg, wp, lp);
      if (*alive) Events.OnBlur();
      if (*alive && IsRush(kind_)) Invalidate();
      return result;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
      if (hwnd != hwnd_) break;
      if (msg == WM_WINDOWPOSCHANGING) {
        Geometry(msg, lp);
        break;
      }
      result = CallOriginalProc(hwnd, msg, wp, lp);
      Geometry(msg, lp);
      return result;
    case WM_SETCURSOR:
      if (cursor_ && LOWORD(lp) == HTCLIENT) {
        ::SetCursor(cursor_);
        return TRUE;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      HWND child = msg == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lp)->hwndFrom
                                    : reinterpret_cast<HWND>(lp);
      TWin32Widget* target = child ? backend_.Find(child) : nullptr;
      if (target && target != this && target->Reflected(msg, wp, lp, result)) return result;
      break;
    }
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlType == ODT_MENU &&
          TWin32Menu::Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) {
        return TRUE;
      }
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (item->CtlType == ODT_MENU) {
        if (TWin32Menu::Draw(*item)) return TRUE;
        break;
      }
      TWin32Widget* target = backend_.Find(item->hwndItem);
      if (target && IsRush(target->kind_)) {
        DrawRush(*target, *item);
        return TRUE;
      }
      break;
    }
    case BM_GETCHECK:
      if (IsRush(kind_)) return checked_ ? BST_CHECKED : BST_UNCHECKED;
      break;
    case BM_SETCHECK:
      if (IsRush(kind_)) {
        SetChecked(wp == BST_CHECKED);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      // The parent went first and took this window with it.
      result = CallOriginalProc(hwnd, msg, wp, lp);
      if (hwnd == hwnd_) {
        backend_.Forget(hwnd_);
        hwnd_ = nullptr;
      } else if (hwnd == editHwnd_) {
        editHwnd_ = nullptr;
      }
      return result;
    default:
      break;
  }
  if (msg == WM_ERASEBKGND && kind_ == TWidgetKind::Label && hwnd == hwnd_ &&
      EraseLabel(reinterpret_cast<HDC>(wp))) {
    return 1;
  }
  if (Painted(hwnd, msg, wp)) return msg == WM_ERASEBKGND ? 1 : 0;
  if (kind_ == TWidgetKind::Form && FormMessage(msg, wp, lp, result)) return result;
  return CallOriginalProc(hwnd, msg, wp, lp);
}

bool TWin32Widget::Mouse(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  std::shared_ptr<bool> alive = alive_;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      // The second press of a quick double press comes as a double click:
      // it is a press all the same (it captures, pushes the button and
      // clicks on release), reported as the press and then OnDblClick.
      bool doubled = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
      TMouseButton b = ButtonOf(msg);
      inTablePress_ = kind_ == TWidgetKind::Table && b != TMouseButton::Middle;
      tableReleased_ = false;
      // The owner-drawn button classes take a double click for a double-click
      // notice only; as a press they capture the mouse and draw it pushed.
      UINT asPress = doubled && IsRush(kind_) ? msg - (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN) : msg;
      result = CallOriginalProc(hwnd, asPress, wp, lp);
      if (!*alive) return true;
      bool released = inTablePress_ && tableReleased_;
      inTablePress_ = tableReleased_ = false;
      pressed_[static_cast<int>(b)] = !released;
      if (captureOption_ && !released) SetCapture(hwnd);
      if (b == TMouseButton::Left && IsRush(kind_)) {
        pushed_ = true;
        Invalidate();
      }
      Events.OnMouseDown(b);
      if (doubled && *alive) Events.OnDblClick(b);
      if (released && *alive) Events.OnMouseUp(b);
      if (released && *alive) Events.OnClick(b);
      return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      TMouseButton b = ButtonOf(msg);
      // The press ends before the default handling, which gives the mouse
      // up: that is not the loss of a captured press.
      bool wasPressed = pressed_[static_cast<int>(b)];
      pressed_[static_cast<int>(b)] = false;
      result = CallOriginalProc(hwnd, msg, wp, lp);
      if (!*alive) return true;
      if (captureOption_ && GetCapture() == hwnd) ReleaseCapture();
      if (b == TMouseButton::Left && pushed_) {
        pushed_ = false;
        Invalidate();
      }
      Events.OnMouseUp(b);
      if (*alive && wasPressed) Events.OnClick(b);
      return true;
    }
    case WM_MOUSEMOVE:
      // Buttons show a hot look; other controls watch only when asked.
      if (!hot_ && (IsRush(kind_) || (Events.WantsHover && Events.WantsHover()))) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
        if (IsRush(kind_)) Invalidate();
        Events.OnMouseEnter();
        if (!*alive) return true;
      }
      return false;
    case WM_MOUSELEAVE:
      hot_ = tracking_ = false;
      if (IsRush(kind_)) Invalidate();
      Events.OnMouseLeave();
      result = 0;
      return true;
    case WM_MOUSEWHEEL:
      Events.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp));
      result = 0;
      return true;
    case WM_CAPTURECHANGED: {
      if (pushed_) {
        pushed_ = false;
        Invalidate();
      }
      // A captured press that loses the mouse to another window (a menu, a
      // message box, Alt+Tab) ends as a release without a click, so a held
      // button lets go.
      bool& left = pressed_[static_cast<int>(TMouseButton::Left)];
      if (captureOption_ && left && reinterpret_cast<HWND>(lp) != hwnd) {
        left = false;
        Events.OnMouseUp(TMouseButton::Left);
      }
      return false;
    }
    default:
      return false;
  }
}

void TWin32Widget::Geometry(UINT msg, LPARAM lp) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
  if (msg == WM_WINDOWPOSCHANGING) {
    if (pos->flags & SWP_NOSIZE) return;
    TRect b = Bounds();
    // A combo box's window height is that of its open list; only its width
    // is the control's size.
    int32_t height = kind_ == TWidgetKind::ComboBox ? b.Height : pos->cy;
    if (pos->cx == b.Width && height == b.Height) return;
    TResizeEvent ev{pos->cx, height};
    Events.OnResize(ev);
    pos->cx = std::max(ev.Width, 0);
    if (kind_ != TWidgetKind::ComboBox) pos->cy = std::max(ev.Height, 0);
    return;
  }
  std::shared_ptr<bool> alive = alive_;
  TRect b = Bounds();
  bool moved = b.Left != last_.Left || b.Top != last_.Top;
  bool sized = b.Width != last_.Width || b.Height != last_.Height;
  last_ = b;
  if (moved) Events.OnMove();
  if (*alive && sized) Events.OnSized();
  if (*alive && kind_ == TWidgetKind::Form) {
    if (pos->flags & SWP_SHOWWINDOW) Events.OnShown(true);
    if (pos->flags & SWP_HIDEWINDOW) Events.OnShown(false);
  }
}

bool TWin32Widget::FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  std::shared_ptr<bool> alive = alive_;
  switch (msg) {
    case WM_CLOSE:
      // Never destroyed by a close: the element decides what closing means.
      Events.OnCloseRequest();
      result = 0;
      return true;
    case WM_SYSCOMMAND: {
      UINT command = static_cast<UINT>(wp & 0xFFF0);
      if (command != SC_MINIMIZE && command != SC_RESTORE) return false;
      result = CallOriginalProc(hwnd_, msg, wp, lp);
      if (!*alive) return true;
      if (command == SC_MINIMIZE) Events.OnMinimize();
      else Events.OnRestore();
      return true;
    }
    case WM_ACTIVATE:
      result = CallOriginalProc(hwnd_, msg, wp, lp);
      if (*alive) Events.OnActivate(LOWORD(wp) != WA_INACTIVE);
      return true;
    default:
      return false;
  }
}

bool TWin32Widget::Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      UINT code = HIWORD(wp);
      if (suppress_) return false;
      if ((kind_ == TWidgetKind::Edit && code == EN_CHANGE) ||
          (kind_ == TWidgetKind::ComboBox && code == CBN_EDITCHANGE)) {
        Events.OnTextChanged();
        result = 0;
        return true;
      }
      if (kind_ == TWidgetKind::ComboBox && code == CBN_SELCHANGE) {
        Events.OnSelect(Selected());
        result = 0;
        return true;
      }
      return false;
    }
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (kind_ != TWidgetKind::Table) return false;
      if (hdr->code == LVN_COLUMNCLICK) {
        Events.OnColumnClick(reinterpret_cast<NMLISTVIEW*>(lp)->iSubItem);
        result = 0;
        return true;
      }
      if (hdr->code == LVN_ITEMCHANGED) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(lp);
        bool selected = (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                        !(change->uOldState & LVIS_SELECTED);
        if (selected && !suppress_ && change->iItem >= 0) Events.OnSelect(change->iItem);
        result = 0;
        return true;
      }
      if ((hdr->code == NM_CLICK || hdr->code == NM_RCLICK) && inTablePress_) tableReleased_ = true;
      return false;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      if (kind_ != TWidgetKind::ScrollBar) return false;
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_ALL;
      GetScrollInfo(hwnd_, SB_CTL, &si);
      int32_t top = std::max(scrollMax_ - std::max(scrollPage_ - 1, 0), scrollMin_);
      int32_t pos = si.nPos;
      TScrollCode code;
      switch (LOWORD(wp)) {
        case SB_LINEUP: code = TScrollCode::LineUp; pos -= 1; break;
        case SB_LINEDOWN: code = TScrollCode::LineDown; pos += 1; break;
        case SB_PAGEUP: code = TScrollCode::PageUp; pos -= std::max(scrollPage_, 1); break;
        case SB_PAGEDOWN: code = TScrollCode::PageDown; pos += std::max(scrollPage_, 1); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: code = TScrollCode::ThumbTrack; pos = si.nTrackPos; break;
        case SB_TOP: code = TScrollCode::ThumbTrack; pos = scrollMin_; break;
        case SB_BOTTOM: code = TScrollCode::ThumbTrack; pos = top; break;
        case SB_ENDSCROLL: code = TScrollCode::End; break;
        default: return false;
      }
      Events.OnScroll(code, std::clamp(pos, scrollMin_, top));
      result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetTextColor(dc, ColorRef(font_.Color));
      if (kind_ == TWidgetKind::Label) {
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
      }
      SetBkColor(dc, ColorRef(color_));
      result = reinterpret_cast<LRESULT>(brush_);
      return brush_ != nullptr;
    }
    default:
      return false;
  }
}

bool TWin32Widget::Painted(HWND hwnd, UINT msg, WPARAM wp) {
  bool own = kind_ == TWidgetKind::Form || kind_ == TWidgetKind::Panel || kind_ == TWidgetKind::Image;
  if (!own || hwnd != hwnd_) return false;
  if (msg == WM_ERASEBKGND) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(reinterpret_cast<HDC>(wp), &rc, Ground());
    return true;
  }
  if (msg != WM_PAINT || kind_ == TWidgetKind::Form) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (kind_ == TWidgetKind::Panel) PaintPanel(*this, dc, hfont_);
  else PaintImage(hwnd, dc, bitmap_.get(), args_.Stretch, args_.SmoothStretch);
  EndPaint(hwnd, &ps);
  return true;
}

}  // namespace zorn::ui::win32
