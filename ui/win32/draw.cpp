#include "ui/win32/draw.h"

#include <algorithm>
#include <string>

#include "ui/win32/backend.h"

namespace zorn::ui::win32 {
namespace {

int Mix(int a, int b, int i, int n) { return n <= 0 ? a : a + (b - a) * i / n; }

std::wstring WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, w.data(), n + 1);
  w.resize(std::max(n, 0));
  return w;
}

const TRushStateLook& StateLook(const TWin32Widget& w, const DRAWITEMSTRUCT& item) {
  const TRushLook& look = w.Args().Look;
  if (item.itemState & ODS_DISABLED) return look.Disabled;
  if ((item.itemState & ODS_SELECTED) || (w.Pushed() && w.Hot())) return look.Pressed;
  if (w.Hot()) return look.Hot;
  return look.Normal;
}

void Frame(HDC dc, RECT rc, COLORREF color, int width, int round) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  for (int i = 0; i < width; ++i) {
    RoundRect(dc, rc.left + i, rc.top + i, rc.right - i, rc.bottom - i, round, round);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void Caption(HDC dc, const std::wstring& text, RECT rc, const TRushStateLook& s, UINT format) {
  SetBkMode(dc, TRANSPARENT);
  if (s.TextShadow) {
    RECT shadow = rc;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, ColorRef(s.ShadowColor));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
  }
  SetTextColor(dc, ColorRef(s.TextColor));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
}

void DrawButton(const TWin32Widget& w, const DRAWITEMSTRUCT& item, const TRushStateLook& s) {
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  const TRushLook& look = w.Args().Look;
  HBRUSH face = CreateSolidBrush(ColorRef(w.Color()));
  FillRect(dc, &rc, face);
  DeleteObject(face);
  HRGN region = CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, look.Roundness,
                                   look.Roundness);
  SelectClipRgn(dc, region);
  FillGradient(dc, rc, ColorRef(s.GradientFrom), ColorRef(s.GradientTo), s.GradientStyle);
  SelectClipRgn(dc, nullptr);
  DeleteObject(region);
  int border = std::max(look.BorderWidth, 0);
  Frame(dc, rc, ColorRef(s.BorderOuter), border, look.Roundness);
  RECT inner = rc;
  InflateRect(&inner, -border, -border);
  Frame(dc, inner, ColorRef(s.BorderInner), border > 0 ? 1 : 0, std::max(look.Roundness - 2, 0));
  RECT text = rc;
  if (&s == &look.Pressed) OffsetRect(&text, 1, 1);
  Caption(dc, WindowText(item.hwndItem), text, s, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) && look.FocusFrame) {
    RECT focus = rc;
    InflateRect(&focus, -(border + 2), -(border + 2));
    DrawFocusRect(dc, &focus);
  }
}

// A check box's square or a radio button's circle, then the caption.
void DrawMark(const TWin32Widget& w, const DRAWITEMSTRUCT& item, const TRushStateLook& s, bool radio) {
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  HBRUSH face = CreateSolidBrush(ColorRef(w.Color()));
  FillRect(dc, &rc, face);
  DeleteObject(face);
  const int size = 13;
  int top = rc.top + (rc.bottom - rc.top - size) / 2;
  RECT box{rc.left + 1, top, rc.left + 1 + size, top + size};
  HRGN region = radio ? CreateEllipticRgn(box.left, box.top, box.right + 1, box.bottom + 1)
                      : CreateRectRgn(box.left, box.top, box.right, box.bottom);
  SelectClipRgn(dc, region);
  FillGradient(dc, box, ColorRef(s.GradientFrom), ColorRef(s.GradientTo), s.GradientStyle);
  SelectClipRgn(dc, nullptr);
  DeleteObject(region);
  HPEN pen = CreatePen(PS_SOLID, 1, ColorRef(s.BorderOuter));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  if (radio) Ellipse(dc, box.left, box.top, box.right, box.bottom);
  else Rectangle(dc, box.left, box.top, box.right, box.bottom);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  if (w.Checked()) {
    COLORREF ink = ColorRef(s.TextColor);
    HBRUSH mark = CreateSolidBrush(ink);
    HPEN markPen = CreatePen(PS_SOLID, 2, ink);
    SelectObject(dc, markPen);
    if (radio) {
      SelectObject(dc, mark);
      Ellipse(dc, box.left + 4, box.top + 4, box.right - 3, box.bottom - 3);
    } else {
      POINT tick[] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
      Polyline(dc, tick, 3);
    }
    SelectObject(dc, oldPen);
    DeleteObject(markPen);
    DeleteObject(mark);
  }
  SelectObject(dc, oldBrush);
  RECT text{box.right + 5, rc.top, rc.right, rc.bottom};
  Caption(dc, WindowText(item.hwndItem), text, s, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = text;
    InflateRect(&focus, 1, -1);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

void FillGradient(HDC dc, const RECT& rc, COLORREF from, COLORREF to, uint8_t style) {
  bool horizontal = style == 1;
  int n = horizontal ? rc.right - rc.left : rc.bottom - rc.top;
  for (int i = 0; i < n; ++i) {
    COLORREF c = RGB(Mix(GetRValue(from), GetRValue(to), i, n - 1), Mix(GetGValue(from), GetGValue(to), i, n - 1),
                     Mix(GetBValue(from), GetBValue(to), i, n - 1));
    HBRUSH brush = CreateSolidBrush(c);
    RECT line = horizontal ? RECT{rc.left + i, rc.top, rc.left + i + 1, rc.bottom}
                           : RECT{rc.left, rc.top + i, rc.right, rc.top + i + 1};
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
}

void DrawRush(const TWin32Widget& widget, const DRAWITEMSTRUCT& item) {
  HGDIOBJ oldFont = SelectObject(item.hDC, widget.FontHandle() ? static_cast<HGDIOBJ>(widget.FontHandle())
                                                                 : GetStockObject(DEFAULT_GUI_FONT));
  const TRushStateLook& s = StateLook(widget, item);
  switch (widget.Kind()) {
    case TWidgetKind::CheckBox: DrawMark(widget, item, s, false); break;
    case TWidgetKind::RadioButton: DrawMark(widget, item, s, true); break;
    default: DrawButton(widget, item, s); break;
  }
  SelectObject(item.hDC, oldFont);
}

void PaintPanel(const TWin32Widget& widget, HDC dc, HFONT font) {
  HWND hwnd = reinterpret_cast<HWND>(widget.Handle());
  RECT rc;
  GetClientRect(hwnd, &rc);
  uint8_t bevel = widget.Args().Bevel;
  if (bevel == 1) DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
  if (bevel == 2) DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
  std::wstring text = WindowText(hwnd);
  if (text.empty()) return;
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(widget.Font().Color));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
}

void PaintImage(HWND hwnd, HDC dc, const IBitmap* bitmap, bool stretch, bool smooth) {
  auto* own = dynamic_cast<const TWin32Bitmap*>(bitmap);
  if (!own) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, own->Get());
  TSize size = own->Size();
  if (stretch) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    // Halftone where the platform has it; colour-on-colour otherwise.
    if (!smooth || SetStretchBltMode(dc, HALFTONE) == 0) SetStretchBltMode(dc, COLORONCOLOR);
    // The halftone pattern starts at the picture's corner, also where a
    // label draws the picture beneath it with a moved origin.
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    if (smooth) SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    StretchBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, size.Width, size.Height, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, size.Width, size.Height, memory, 0, 0, SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

}  // namespace zorn::ui::win32
