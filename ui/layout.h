// Layout arithmetic shared by both backends: docking, flow rows and vertical
// boxes. Pure functions of sizes; the elements apply the results.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/backend.h"

namespace zorn::ui {

// Align codes of the window elements.
enum TAlign : uint8_t {
  alNone = 0,
  alTop = 1,
  alBottom = 2,
  alLeft = 3,
  alRight = 4,
  alClient = 5,
};

struct TDockItem {
  uint8_t Align = alNone;
  bool Visible = true;
  TRect Bounds;  // in: the current bounds; out: the docked bounds
};

// Docks the items inside a client area of `client` size. Top-docked items
// stack down from the top edge in list order, then bottom-docked up from the
// bottom, then left-docked line up from the left edge, right-docked from the
// right edge, and every fill item takes what is left. Hidden items and items
// with alNone (or an unknown code) are left as they are. Sizes never go below 0.
void DockItems(TSize client, std::vector<TDockItem>& items);

struct TFlowItem {
  TSize Size;
  bool Visible = true;
  TPoint Position;  // out
};

struct TFlowResult {
  int32_t Bottom = 0;  // bottom edge of the last row; 0 without visible items
  int32_t Rows = 0;
};

// Flow rows: from (marginX, marginY), items go left to right with spacingX
// between them; an item that would pass width − marginX and is not the first
// of its row starts a new row at the previous row's top + its tallest item +
// spacingY. Hidden items are skipped.
TFlowResult FlowItems(int32_t width, int32_t marginX, int32_t marginY, int32_t spacingX,
                      int32_t spacingY, std::vector<TFlowItem>& items);

struct TBoxItem {
  int32_t Height = 0;   // own height, kept unless Percent > 0
  int32_t Percent = 0;  // share of the free height
  bool Visible = true;
  TRect Bounds;  // out
};

// Vertical box: items stacked from the top in list order inside `margin` on
// all four sides with `spacing` between them, each as wide as the box less
// both margins. An item with a positive percentage gets
// round((free − (n − 1) × spacing) / 100 × percent), free being the box height
// less both margins less the heights of the items without a percentage; n
// counts the visible items. Hidden items are skipped.
void BoxItems(TSize box, int32_t margin, int32_t spacing, std::vector<TBoxItem>& items);

}  // namespace zorn::ui
