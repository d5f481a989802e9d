// Items of combo boxes and tables, scroll bar ranges and image bitmaps.
#include "ui/win32/win_api.h"

#include <algorithm>

#include "platform/win32/cp1251.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

// The cells of a table row.
std::vector<std::string> Cells(const std::string& text, char separator) {
  std::vector<std::string> cells(1);
  for (char ch : text) {
    if (ch == separator) cells.emplace_back();
    else cells.back() += ch;
  }
  return cells;
}

std::string CellText(HWND list, int row, int column) {
  wchar_t buffer[1024];
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  LRESULT n = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return platform::NarrowTo1251(std::wstring(buffer, static_cast<size_t>(std::max<LRESULT>(n, 0))));
}

}  // namespace

void TWin32Widget::AddItem(const std::string& text) {
  if (!hwnd_) return;
  if (kind_ == TWidgetKind::ComboBox) {
    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::WideFrom1251(text).c_str()));
    return;
  }
  InsertItem(ItemCount(), text);
}

void TWin32Widget::InsertItem(int32_t index, const std::string& text) {
  if (!hwnd_) return;
  int32_t count = ItemCount();
  if (index < 0 || index > count) index = count;
  if (kind_ == TWidgetKind::ComboBox) {
    // The current item is put back by index, whatever the list does with it.
    int32_t selected = Selected();
    ++suppress_;
    SendMessageW(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(platform::WideFrom1251(text).c_str()));
    if (selected >= 0) SendMessageW(hwnd_, CB_SETCURSEL, selected >= index ? selected + 1 : selected, 0);
    --suppress_;
    return;
  }
  if (kind_ != TWidgetKind::Table) return;
  // A list view keeps each item's state with the item: the selection moves
  // down with its row.
  ++suppress_;
  std::vector<std::string> cells = Cells(text, separator_);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  std::wstring first = platform::WideFrom1251(cells[0]);
  item.pszText = first.data();
  int row = static_cast<int>(SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t c = 1; c < cells.size() && static_cast<int32_t>(c) < columns_; ++c) {
    std::wstring cell = platform::WideFrom1251(cells[c]);
    LVITEMW sub{};
    sub.iSubItem = static_cast<int>(c);
    sub.pszText = cell.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
  }
  --suppress_;
}

void TWin32Widget::ClearItems() {
  if (!hwnd_) return;
  ++suppress_;
  if (kind_ == TWidgetKind::ComboBox) SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
  if (kind_ == TWidgetKind::Table) SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
  --suppress_;
}

void TWin32Widget::RemoveItem(int32_t index) {
  if (!hwnd_ || index < 0 || index >= ItemCount()) return;
  ++suppress_;
  if (kind_ == TWidgetKind::ComboBox) SendMessageW(hwnd_, CB_DELETESTRING, index, 0);
  if (kind_ == TWidgetKind::Table) SendMessageW(hwnd_, LVM_DELETEITEM, index, 0);
  --suppress_;
}

int32_t TWin32Widget::ItemCount() const {
  if (!hwnd_) return 0;
  if (kind_ == TWidgetKind::ComboBox) return static_cast<int32_t>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
  if (kind_ == TWidgetKind::Table) return static_cast<int32_t>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0));
  return 0;
}

std::string TWin32Widget::Item(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return {};
  if (kind_ == TWidgetKind::ComboBox) {
    LRESULT n = SendMessageW(hwnd_, CB_GETLBTEXTLEN, index, 0);
    std::wstring w(static_cast<size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
    n = SendMessageW(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(w.data()));
    w.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
    return platform::NarrowTo1251(w);
  }
  std::string row;
  for (int c = 0; c < std::max(columns_, 1); ++c) {
    if (c > 0) row += separator_;
    row += CellText(hwnd_, index, c);
  }
  return row;
}

void TWin32Widget::SetSelected(int32_t index) {
  if (!hwnd_) return;
  if (index < 0 || index >= ItemCount()) index = -1;
  ++suppress_;
  if (kind_ == TWidgetKind::ComboBox) SendMessageW(hwnd_, CB_SETCURSEL, index, 0);
  if (kind_ == TWidgetKind::Table) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (index >= 0) {
      item.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(hwnd_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
      SendMessageW(hwnd_, LVM_ENSUREVISIBLE, index, FALSE);
    }
  }
  --suppress_;
}

int32_t TWin32Widget::Selected() const {
  if (!hwnd_) return -1;
  if (kind_ == TWidgetKind::ComboBox) return static_cast<int32_t>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
  if (kind_ == TWidgetKind::Table) {
    return static_cast<int32_t>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  return -1;
}

int32_t TWin32Widget::ItemHeight() const {
  if (!hwnd_) return 13;
  if (kind_ == TWidgetKind::ComboBox) return static_cast<int32_t>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, 0, 0));
  if (kind_ == TWidgetKind::Table && ItemCount() > 0) {
    RECT rc{};
    rc.left = LVIR_BOUNDS;
    if (SendMessageW(hwnd_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc))) return rc.bottom - rc.top;
  }
  return std::abs(font_.Height) + 2;
}

void TWin32Widget::SetDropDownHeight(int32_t pixels) {
  dropDownHeight_ = pixels;
  if (!hwnd_ || kind_ != TWidgetKind::ComboBox) return;
  // The window height of a combo box is the closed control plus its list.
  TRect b = Bounds();
  SetWindowPos(hwnd_, nullptr, 0, 0, b.Width, b.Height + pixels, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWin32Widget::SetBitmap(std::shared_ptr<IBitmap> bitmap) {
  if (bitmap == bitmap_) return;
  bitmap_ = std::move(bitmap);
  Invalidate();
}

void TWin32Widget::SetScrollInfo(int32_t min, int32_t max, int32_t page, int32_t position) {
  scrollMin_ = min;
  scrollMax_ = std::max(max, min);
  scrollPage_ = std::max(page, 0);
  if (!hwnd_ || kind_ != TWidgetKind::ScrollBar) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = scrollMin_;
  si.nMax = scrollMax_;
  si.nPage = static_cast<UINT>(scrollPage_);
  si.nPos = position;
  ::SetScrollInfo(hwnd_, SB_CTL, &si, TRUE);
}

int32_t TWin32Widget::ScrollPosition() const {
  if (!hwnd_ || kind_ != TWidgetKind::ScrollBar) return 0;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  GetScrollInfo(hwnd_, SB_CTL, &si);
  return si.nPos;
}

void TWin32Widget::SetColumns(const std::vector<TColumn>& columns, char separator) {
  separator_ = separator;
  if (!hwnd_ || kind_ != TWidgetKind::Table) return;
  while (columns_ > 0) SendMessageW(hwnd_, LVM_DELETECOLUMN, --columns_, 0);
  for (const TColumn& column : columns) {
    std::wstring caption = platform::WideFrom1251(column.Caption);
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = caption.data();
    lvc.cx = column.Width;
    lvc.iSubItem = columns_;
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, columns_, reinterpret_cast<LPARAM>(&lvc));
    ++columns_;
  }
}

}  // namespace zorn::ui::win32
