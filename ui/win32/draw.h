// Painting of the controls we draw ourselves: gradient buttons, check boxes
// and radio buttons (owner-drawn BUTTON controls), panels and images.
#pragma once

#include "ui/win32/win_api.h"

#include "ui/win32/widget.h"

namespace zorn::ui::win32 {

// Fills `rc` with a gradient from `from` to `to` (style 0 top to bottom,
// 1 left to right).
void FillGradient(HDC dc, const RECT& rc, COLORREF from, COLORREF to, uint8_t style);
void DrawRush(const TWin32Widget& widget, const DRAWITEMSTRUCT& item);
void PaintPanel(const TWin32Widget& widget, HDC dc, HFONT font);
void PaintImage(HWND hwnd, HDC dc, const IBitmap* bitmap, bool stretch, bool smooth);

}  // namespace zorn::ui::win32
