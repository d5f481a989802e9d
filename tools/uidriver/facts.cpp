#include "facts.h"

#include <commctrl.h>

#include <cstdio>

#include "find.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

std::string Flag(const char* name, bool on) { return std::string(" ") + name + (on ? "=1" : "=0"); }

std::string Number(const char* name, long long n) { return std::string(" ") + name + "=" + std::to_string(n); }

// The states a class keeps beyond the common ones.
std::string ClassFacts(HWND hwnd, const std::wstring& cls) {
  auto is = [&](const wchar_t* name) { return lstrcmpiW(cls.c_str(), name) == 0; };
  if (is(L"Button")) return Number("checked", Ask(hwnd, BM_GETCHECK));
  if (is(L"ComboBox")) {
    return Number("items", Ask(hwnd, CB_GETCOUNT)) + Number("selected", static_cast<int>(Ask(hwnd, CB_GETCURSEL)));
  }
  if (is(L"ListBox") || is(L"ComboLBox")) {
    return Number("items", Ask(hwnd, LB_GETCOUNT)) + Number("selected", static_cast<int>(Ask(hwnd, LB_GETCURSEL)));
  }
  if (is(WC_LISTVIEWW)) {
    int selected = static_cast<int>(Ask(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return Number("items", Ask(hwnd, LVM_GETITEMCOUNT)) + Number("selected", selected);
  }
  if (is(L"ScrollBar")) return Number("pos", static_cast<int>(Ask(hwnd, SBM_GETPOS)));
  return {};
}

}  // namespace

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 2000, &result)) {
    if (!IsWindow(hwnd)) Fail(kNotFound, L"the window " + Widen(HexOf(hwnd)) + L" is gone");
    Fail(kFailed, L"the window " + Widen(HexOf(hwnd)) + L" does not answer message " + std::to_wstring(msg));
  }
  return static_cast<LRESULT>(result);
}

std::string HexOf(HWND hwnd) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%08llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
  return buffer;
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
         std::to_string(r.bottom - r.top);
}

RECT ParentRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  HWND parent = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
  if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND FocusOf(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
  return thread && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

std::string WindowLine(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  RECT screen{}, client{};
  GetWindowRect(hwnd, &screen);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return "window hwnd=" + HexOf(hwnd) + Number("pid", pid) + " class=" + Quote(ClassOf(hwnd)) +
         " title=" + Quote(TextOf(hwnd)) + " screen=" + RectText(screen) + " client=" + RectText(client) +
         Flag("visible", IsWindowVisible(hwnd)) + Flag("enabled", IsWindowEnabled(hwnd)) +
         Flag("minimized", IsIconic(hwnd));
}

std::string ControlLine(HWND hwnd, int depth) {
  RECT screen{};
  GetWindowRect(hwnd, &screen);
  std::wstring cls = ClassOf(hwnd);
  return "control" + Number("depth", depth) + " hwnd=" + HexOf(hwnd) + Number("id", GetDlgCtrlID(hwnd)) +
         " class=" + Quote(cls) + " text=" + Quote(TextOf(hwnd)) + " rect=" + RectText(ParentRect(hwnd)) +
         " screen=" + RectText(screen) + Flag("visible", IsWindowVisible(hwnd)) +
         Flag("enabled", IsWindowEnabled(hwnd)) + Flag("focused", FocusOf(hwnd) == hwnd) + ClassFacts(hwnd, cls);
}

}  // namespace zorn::uidriver
