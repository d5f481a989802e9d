#include "ui/layout.h"

#include <algorithm>

#include "runtime/data.h"

namespace zorn::ui {

void DockItems(TSize client, std::vector<TDockItem>& items) {
  int32_t left = 0, top = 0;
  int32_t right = std::max(client.Width, 0), bottom = std::max(client.Height, 0);
  auto free = [&] { return TRect{left, top, std::max(right - left, 0), std::max(bottom - top, 0)}; };
  auto pass = [&](uint8_t align, auto&& place) {
    for (TDockItem& item : items) {
      if (item.Visible && item.Align == align) place(item.Bounds);
    }
  };
  pass(alTop, [&](TRect& r) {
    TRect f = free();
    r = TRect{f.Left, top, f.Width, std::min(r.Height, f.Height)};
    top += r.Height;
  });
  pass(alBottom, [&](TRect& r) {
    TRect f = free();
    r.Height = std::min(r.Height, f.Height);
    bottom -= r.Height;
    r = TRect{f.Left, bottom, f.Width, r.Height};
  });
  pass(alLeft, [&](TRect& r) {
    TRect f = free();
    r = TRect{left, f.Top, std::min(r.Width, f.Width), f.Height};
    left += r.Width;
  });
  pass(alRight, [&](TRect& r) {
    TRect f = free();
    r.Width = std::min(r.Width, f.Width);
    right -= r.Width;
    r = TRect{right, f.Top, r.Width, f.Height};
  });
  pass(alClient, [&](TRect& r) { r = free(); });
}

TFlowResult FlowItems(int32_t width, int32_t marginX, int32_t marginY, int32_t spacingX,
                      int32_t spacingY, std::vector<TFlowItem>& items) {
  TFlowResult result;
  int32_t limit = width - marginX;
  int32_t x = marginX, rowTop = marginY, rowHeight = 0;
  bool rowEmpty = true;
  for (TFlowItem& item : items) {
    if (!item.Visible) continue;
    if (!rowEmpty && x + item.Size.Width > limit) {
      rowTop += rowHeight + spacingY;
      x = marginX;
      rowHeight = 0;
      rowEmpty = true;
    }
    if (rowEmpty) ++result.Rows;
    item.Position = TPoint{x, rowTop};
    x += item.Size.Width + spacingX;
    rowHeight = std::max(rowHeight, item.Size.Height);
    rowEmpty = false;
    result.Bottom = rowTop + rowHeight;
  }
  return result;
}

void BoxItems(TSize box, int32_t margin, int32_t spacing, std::vector<TBoxItem>& items) {
  int32_t n = 0, fixed = 0;
  for (const TBoxItem& item : items) {
    if (!item.Visible) continue;
    ++n;
    if (item.Percent <= 0) fixed += item.Height;
  }
  int32_t free = box.Height - 2 * margin - fixed;
  double share = static_cast<double>(free - (n - 1) * spacing) / 100.0;
  int32_t width = std::max(box.Width - 2 * margin, 0);
  int32_t y = margin;
  for (TBoxItem& item : items) {
    if (!item.Visible) continue;
    int32_t h = item.Percent > 0 ? RoundToInt(share * item.Percent) : item.Height;
    h = std::max(h, 0);
    item.Bounds = TRect{margin, y, width, h};
    y += h + spacing;
  }
}

}  // namespace zorn::ui
