#include "lists.h"

#include <commctrl.h>

#include "facts.h"
#include "remote.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

// The remote block: the structure first, the text buffer after it.
constexpr size_t kTextAt = 512;
constexpr size_t kChars = 2048;
constexpr size_t kBlock = kTextAt + kChars * sizeof(wchar_t);

template <class P>
std::wstring Cell(TRemote& r, HWND lv, int row, int column) {
  TLvItem<P> item{};
  item.iSubItem = column;
  item.pszText = static_cast<P>(r.Address(kTextAt));
  item.cchTextMax = static_cast<int32_t>(kChars);
  r.Write(0, &item, sizeof item);
  r.Zero(kTextAt, sizeof(wchar_t));
  Ask(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), r.Param(0));
  return r.ReadText(kTextAt, kChars);
}

template <class P>
std::wstring Caption(TRemote& r, HWND lv, int column) {
  TLvColumn<P> col{};
  col.mask = LVCF_TEXT;
  col.pszText = static_cast<P>(r.Address(kTextAt));
  col.cchTextMax = static_cast<int32_t>(kChars);
  r.Write(0, &col, sizeof col);
  r.Zero(kTextAt, sizeof(wchar_t));
  if (!Ask(lv, LVM_GETCOLUMNW, static_cast<WPARAM>(column), r.Param(0))) return {};
  return r.ReadText(kTextAt, kChars);
}

int ColumnCount(HWND lv) {
  HWND header = reinterpret_cast<HWND>(Ask(lv, LVM_GETHEADER));
  int n = header ? static_cast<int>(Ask(header, HDM_GETITEMCOUNT)) : 0;
  return n > 0 ? n : 0;
}

}  // namespace

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  int n = static_cast<int>(Ask(combo, CB_GETCOUNT));
  for (int i = 0; i < n; ++i) {
    int length = static_cast<int>(Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i)));
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    int got = static_cast<int>(Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data())));
    text.resize(got > 0 && got <= length ? static_cast<size_t>(got) : 0);
    items.push_back(text);
  }
  return items;
}

void ComboPick(HWND combo, int index) {
  if (Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index)) != index) {
    Fail(kFailed, L"the combo box refused item " + std::to_wstring(index));
  }
  HWND parent = GetParent(combo);
  WPARAM wp = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
  if (!parent || !PostMessageW(parent, WM_COMMAND, wp, reinterpret_cast<LPARAM>(combo))) {
    Fail(kFailed, L"cannot tell the combo box's parent of the choice");
  }
}

std::vector<std::wstring> Columns(HWND lv) {
  std::vector<std::wstring> captions;
  int n = ColumnCount(lv);
  if (n == 0) return captions;
  TRemote r(lv, kBlock);
  for (int c = 0; c < n; ++c) captions.push_back(r.Target64() ? Caption<uint64_t>(r, lv, c) : Caption<uint32_t>(r, lv, c));
  return captions;
}

std::vector<TRow> Rows(HWND lv) {
  std::vector<TRow> rows;
  int count = static_cast<int>(Ask(lv, LVM_GETITEMCOUNT));
  int columns = ColumnCount(lv);
  if (columns == 0) columns = 1;
  TRemote r(lv, kBlock);
  for (int i = 0; i < count; ++i) {
    TRow row;
    row.Index = i;
    UINT state = static_cast<UINT>(Ask(lv, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_FOCUSED));
    row.Selected = (state & LVIS_SELECTED) != 0;
    row.Focused = (state & LVIS_FOCUSED) != 0;
    for (int c = 0; c < columns; ++c) row.Cells.push_back(r.Target64() ? Cell<uint64_t>(r, lv, i, c) : Cell<uint32_t>(r, lv, i, c));
    rows.push_back(row);
  }
  return rows;
}

RECT RowRect(HWND lv, int row) {
  int count = static_cast<int>(Ask(lv, LVM_GETITEMCOUNT));
  if (row < 0 || row >= count) {
    Fail(kNotFound, L"the list view has no row " + std::to_wstring(row) + L" (" + std::to_wstring(count) + L" rows)");
  }
  TRemote r(lv, sizeof(RECT));
  RECT rc{LVIR_LABEL, 0, 0, 0};
  r.Write(0, &rc, sizeof rc);
  if (!Ask(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), r.Param(0))) Fail(kFailed, L"the list view gave no rectangle for the row");
  r.Read(0, &rc, sizeof rc);
  return rc;
}

}  // namespace zorn::uidriver
