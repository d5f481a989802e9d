// The items of combo boxes and the rows of list views.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zorn::uidriver {

// The system copies CB_GETLBTEXT's text between processes itself.
std::vector<std::wstring> ComboItems(HWND combo);
// Chooses item `index` and tells the parent with CBN_SELCHANGE, as a pick
// from the open list would.
void ComboPick(HWND combo, int index);

struct TRow {
  int Index = 0;
  bool Selected = false;
  bool Focused = false;
  std::vector<std::wstring> Cells;
};

// Column captions of a report view (none when it has no header).
std::vector<std::wstring> Columns(HWND listView);
std::vector<TRow> Rows(HWND listView);
// The first cell of a row, in the list view's client coordinates.
RECT RowRect(HWND listView, int row);

}  // namespace zorn::uidriver
