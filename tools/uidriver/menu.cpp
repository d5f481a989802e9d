#include "menu.h"

#include "facts.h"
#include "find.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

constexpr UINT kGetHMenu = 0x01E1;  // MN_GETHMENU

bool OpenMenu(HWND hwnd) { return IsWindow(hwnd) && IsWindowVisible(hwnd); }

void PostMenuKey(HWND menu, UINT vk) {
  if (!PostMessageW(menu, WM_KEYDOWN, vk, 1)) Fail(kFailed, L"the menu closed before uidriver could pick");
}

}  // namespace

HWND WaitMenu(DWORD timeoutMs, DWORD pid) {
  HWND found = nullptr;
  bool ok = WaitFor(timeoutMs, [&] {
    for (HWND h : TopWindows()) {
      DWORD owner = 0;
      GetWindowThreadProcessId(h, &owner);
      if ((pid == 0 || owner == pid) && OpenMenu(h) && ClassOf(h) == L"#32768") {
        found = h;
        return true;
      }
    }
    return false;
  });
  if (!ok) Fail(kNotFound, L"no popup menu opened within " + std::to_wstring(timeoutMs) + L" ms");
  return found;
}

std::optional<std::vector<TMenuEntry>> ReadMenu(HWND menu) {
  HMENU hmenu = reinterpret_cast<HMENU>(Ask(menu, kGetHMenu));
  int count = hmenu ? GetMenuItemCount(hmenu) : -1;
  if (count < 0) return std::nullopt;
  std::vector<TMenuEntry> items;
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(hmenu, static_cast<UINT>(i), TRUE, &info)) return std::nullopt;
    TMenuEntry e;
    e.Text = text;
    e.Separator = (info.fType & MFT_SEPARATOR) != 0;
    e.OwnerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    e.Enabled = (info.fState & MFS_DISABLED) == 0;
    e.Checked = (info.fState & MFS_CHECKED) != 0;
    e.Highlighted = (info.fState & MFS_HILITE) != 0;
    items.push_back(e);
  }
  return items;
}

std::vector<TMenuEntry> ParseLayout(const std::wstring& layout) {
  std::vector<TMenuEntry> items;
  size_t start = 0;
  for (;;) {
    size_t bar = layout.find(L'|', start);
    TMenuEntry e;
    e.Text = layout.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start);
    e.Separator = e.Text == L"-";
    if (e.Separator) e.Text.clear();
    items.push_back(e);
    if (bar == std::wstring::npos) break;
    start = bar + 1;
  }
  return items;
}

void CheckLayout(const std::vector<TMenuEntry>& actual, const std::vector<TMenuEntry>& expected) {
  bool same = actual.size() == expected.size();
  for (size_t i = 0; same && i < actual.size(); ++i) {
    same = actual[i].Separator == expected[i].Separator &&
           (actual[i].Text.empty() || actual[i].Text == expected[i].Text);
  }
  if (!same) Fail(kFailed, L"the open menu's items differ from --layout");
}

void PickMenuItem(HWND menu, const std::vector<TMenuEntry>& items, int index, DWORD timeoutMs) {
  int n = static_cast<int>(items.size());
  if (index < 0 || index >= n) Fail(kNotFound, L"the menu has no item " + std::to_wstring(index));
  if (items[index].Separator) Fail(kFailed, L"item " + std::to_wstring(index) + L" is a separator");
  if (!items[index].Enabled) Fail(kFailed, L"item " + std::to_wstring(index) + L" is disabled");
  int from = -1;
  for (int i = 0; i < n; ++i) {
    if (items[i].Highlighted) from = i;
  }
  // Nothing highlighted yet: the first Down goes to the first item.
  auto stops = [&](int lo, int hi) {
    int k = 0;
    for (int i = lo; i < hi; ++i) k += items[i].Separator ? 0 : 1;
    return k;
  };
  if (from < 0) {
    for (int k = stops(0, index) + 1; k > 0; --k) PostMenuKey(menu, VK_DOWN);
  } else if (from <= index) {
    for (int k = stops(from + 1, index + 1); k > 0; --k) PostMenuKey(menu, VK_DOWN);
  } else {
    for (int k = stops(index, from); k > 0; --k) PostMenuKey(menu, VK_UP);
  }
  PostMenuKey(menu, VK_RETURN);
  if (!WaitFor(timeoutMs, [&] { return !OpenMenu(menu); })) {
    Fail(kFailed, L"the menu stayed open after choosing item " + std::to_wstring(index) +
                      L" (is it disabled, or is --layout wrong?)");
  }
}

void CloseMenu(HWND menu, DWORD timeoutMs) {
  bool closed = WaitFor(timeoutMs, [&] {
    if (!OpenMenu(menu)) return true;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    Sleep(50);
    return !OpenMenu(menu);
  });
  if (!closed) Fail(kFailed, L"the menu did not close");
}

std::string MenuLine(HWND menu, const std::optional<std::vector<TMenuEntry>>& items) {
  DWORD pid = 0;
  GetWindowThreadProcessId(menu, &pid);
  RECT r{};
  GetWindowRect(menu, &r);
  return "menu hwnd=" + HexOf(menu) + " pid=" + std::to_string(pid) + " screen=" + RectText(r) +
         " items=" + (items ? std::to_string(items->size()) : std::string("unknown"));
}

std::string ItemLine(int index, const TMenuEntry& e) {
  return "item index=" + std::to_string(index) + " text=" + Quote(e.Text) + " separator=" + (e.Separator ? "1" : "0") +
         " enabled=" + (e.Enabled ? "1" : "0") + " checked=" + (e.Checked ? "1" : "0") +
         " ownerdraw=" + (e.OwnerDrawn ? "1" : "0") + " highlighted=" + (e.Highlighted ? "1" : "0");
}

}  // namespace zorn::uidriver
