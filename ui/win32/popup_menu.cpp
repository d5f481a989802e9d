#include "ui/win32/popup_menu.h"

#include <algorithm>
#include <string>

#include "platform/event_loop.h"
#include "platform/win32/cp1251.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

constexpr wchar_t kHostClass[] = L"ZornMenuHost";
constexpr int kCheckColumn = 22;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_MEASUREITEM && TWin32Menu::Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
  if (msg == WM_DRAWITEM && TWin32Menu::Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lp))) return TRUE;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void FillColor(HDC dc, const RECT& rc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
}

void DrawCheck(HDC dc, const RECT& rc, COLORREF color) {
  HPEN pen = CreatePen(PS_SOLID, 2, color);
  HGDIOBJ old = SelectObject(dc, pen);
  int x = rc.left + 6, y = rc.top + (rc.bottom - rc.top) / 2;
  POINT tick[] = {{x, y}, {x + 3, y + 3}, {x + 9, y - 4}};
  Polyline(dc, tick, 3);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

TWin32Menu::TWin32Menu() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kHostClass;
  RegisterClassExW(&wc);
  host_ = CreateWindowExW(WS_EX_TOOLWINDOW, kHostClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          wc.hInstance, nullptr);
  SetLook(look_);
}

TWin32Menu::~TWin32Menu() {
  if (host_) DestroyWindow(host_);
  if (font_) DeleteObject(font_);
  if (background_) DeleteObject(background_);
}

void TWin32Menu::SetLook(const TMenuLook& look) {
  look_ = look;
  if (font_) DeleteObject(font_);
  if (background_) DeleteObject(background_);
  font_ = MakeFont(look_.Font);
  background_ = CreateSolidBrush(ColorRef(look_.Background));
}

void TWin32Menu::Popup(IWidget* owner) {
  // The menu's window must be the foreground one, or a click elsewhere
  // leaves the menu open.
  HWND target = owner ? reinterpret_cast<HWND>(owner->Handle()) : host_;
  SetForegroundWindow(target);
  HMENU menu = ::CreatePopupMenu();
  entries_.clear();
  for (int32_t i = 0; i < static_cast<int32_t>(items_.size()); ++i) entries_.push_back({this, i});
  for (size_t i = 0; i < items_.size(); ++i) {
    const TMenuItem& item = items_[i];
    UINT flags = MF_OWNERDRAW;
    // Separators are drawn by us as well, as a line; keys pass over them.
    if (item.Separator) flags |= MF_SEPARATOR;
    if (item.Separator || !item.Enabled) flags |= MF_GRAYED;
    if (item.Checked) flags |= MF_CHECKED;
    AppendMenuW(menu, flags, i + 1, reinterpret_cast<LPCWSTR>(&entries_[i]));
  }
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = background_;
  SetMenuInfo(menu, &info);
  POINT at{};
  GetCursorPos(&at);
  std::vector<TMenuItem> shown = items_;
  UINT chosen = static_cast<UINT>(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_NONOTIFY, at.x,
                                                   at.y, target, nullptr));
  PostMessageW(target, WM_NULL, 0, 0);
  DestroyMenu(menu);
  entries_.clear();
  if (chosen == 0 || chosen > shown.size()) return;
  const TMenuItem& item = shown[chosen - 1];
  if (item.Separator || !item.Enabled) return;
  // The pick is handled from the loop, as a posted WM_COMMAND would be: the
  // handler that opened the menu returns first, so a pick may delete the
  // control whose press opened it.
  std::weak_ptr<char> alive = alive_;
  const auto index = static_cast<int32_t>(chosen - 1);
  platform::EventLoop().Post([this, alive, index] {
    if (!alive.expired()) OnPick(index);
  });
}

bool TWin32Menu::Measure(MEASUREITEMSTRUCT& m) {
  auto* entry = reinterpret_cast<TEntry*>(m.itemData);
  if (!entry || entry->Index < 0 || entry->Index >= static_cast<int32_t>(entry->Menu->items_.size())) {
    return false;
  }
  const TMenuItem& item = entry->Menu->items_[entry->Index];
  if (item.Separator) {
    m.itemWidth = 10;
    m.itemHeight = 7;
    return true;
  }
  std::wstring text = platform::WideFrom1251(item.Text);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, entry->Menu->font_);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  m.itemWidth = static_cast<UINT>(size.cx + kCheckColumn + 12);
  m.itemHeight = static_cast<UINT>(std::max<LONG>(size.cy + 8, 20));
  return true;
}

bool TWin32Menu::Draw(const DRAWITEMSTRUCT& d) {
  auto* entry = reinterpret_cast<TEntry*>(d.itemData);
  if (!entry || entry->Index < 0 || entry->Index >= static_cast<int32_t>(entry->Menu->items_.size())) {
    return false;
  }
  const TWin32Menu& menu = *entry->Menu;
  const TMenuLook& look = menu.look_;
  const TMenuItem& item = menu.items_[entry->Index];
  HDC dc = d.hDC;
  RECT rc = d.rcItem;
  if (item.Separator) {
    FillColor(dc, rc, ColorRef(look.Background));
    RECT line{rc.left + 4, (rc.top + rc.bottom) / 2, rc.right - 4, (rc.top + rc.bottom) / 2 + 1};
    FillColor(dc, line, ColorRef(look.DisabledText));
    return true;
  }
  bool selected = (d.itemState & ODS_SELECTED) && item.Enabled;
  FillColor(dc, rc, ColorRef(selected ? look.Selection : look.Background));
  COLORREF ink = !item.Enabled ? ColorRef(look.DisabledText)
                 : selected    ? ColorRef(look.Background)
                               : ColorRef(look.Text);
  if (item.Checked) {
    DrawCheck(dc, RECT{rc.left, rc.top, rc.left + kCheckColumn, rc.bottom},
              item.Enabled && !selected ? ColorRef(look.Check) : ink);
  }
  std::wstring text = platform::WideFrom1251(item.Text);
  HGDIOBJ old = SelectObject(dc, menu.font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT textRc{rc.left + kCheckColumn, rc.top, rc.right - 4, rc.bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRc, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  return true;
}

}  // namespace zorn::ui::win32
