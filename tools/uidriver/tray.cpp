#include "tray.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "facts.h"
#include "find.h"
#include "remote.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";
constexpr wchar_t kIconClass[] = L"__winex11_tray_icon";
constexpr size_t kTextAt = 256;
constexpr size_t kChars = 1024;  // TTM_ENUMTOOLS copies the text without a limit

template <class P>
void ReadTools(HWND tips, std::map<HWND, std::wstring>& out) {
  int n = static_cast<int>(Ask(tips, TTM_GETTOOLCOUNT));
  if (n <= 0) return;
  TRemote r(tips, kTextAt + kChars * sizeof(wchar_t));
  for (int i = 0; i < n; ++i) {
    TToolInfo<P> tool{};
    tool.cbSize = static_cast<uint32_t>(offsetof(TToolInfo<P>, lpReserved));  // the V2 size
    tool.lpszText = static_cast<P>(r.Address(kTextAt));
    r.Write(0, &tool, sizeof tool);
    r.Zero(kTextAt, sizeof(wchar_t));
    if (!Ask(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), r.Param(0))) continue;
    r.Read(0, &tool, sizeof tool);
    HWND key = reinterpret_cast<HWND>(static_cast<uintptr_t>((tool.uFlags & TTF_IDISHWND) ? tool.uId : tool.hwnd));
    out[key] = r.ReadText(kTextAt, kChars);
  }
}

// The tips of every tool of the tool-tip windows of process `pid`.
std::map<HWND, std::wstring> Tips(DWORD pid) {
  std::map<HWND, std::wstring> tips;
  for (HWND h : TopWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner != pid || lstrcmpiW(ClassOf(h).c_str(), TOOLTIPS_CLASSW) != 0) continue;
    if (OwnerIs64(h)) ReadTools<uint64_t>(h, tips);
    else ReadTools<uint32_t>(h, tips);
  }
  return tips;
}

}  // namespace

std::vector<TTrayIcon> TrayIcons() {
  std::vector<TTrayIcon> icons;
  DWORD pid = 0;
  for (HWND top : TopWindows()) {
    std::wstring cls = ClassOf(top);
    std::vector<HWND> found;
    if (cls == kIconClass) found.push_back(top);  // docked in a desktop's own tray
    if (cls == kTrayClass) {
      for (HWND h = GetWindow(top, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (ClassOf(h) == kIconClass) found.push_back(h);
      }
    }
    for (HWND h : found) {
      TTrayIcon icon;
      icon.Hwnd = h;
      GetWindowRect(h, &icon.Screen);
      icon.Visible = IsWindowVisible(h) != FALSE;
      icons.push_back(icon);
      GetWindowThreadProcessId(h, &pid);
    }
  }
  std::sort(icons.begin(), icons.end(), [](const TTrayIcon& a, const TTrayIcon& b) {
    return a.Screen.top != b.Screen.top ? a.Screen.top < b.Screen.top : a.Screen.left < b.Screen.left;
  });
  if (!icons.empty()) {
    std::map<HWND, std::wstring> tips = Tips(pid);
    for (TTrayIcon& icon : icons) icon.Tip = tips[icon.Hwnd];
  }
  return icons;
}

void ClickTrayIcon(const TTrayIcon& icon, TButton button, bool twice, bool realInput) {
  RECT rc{};
  GetClientRect(icon.Hwnd, &rc);
  POINT centre{rc.right / 2, rc.bottom / 2};
  Mouse(icon.Hwnd, centre, button, twice ? TPress::Double : TPress::Click, realInput);
}

std::string TrayLine(int index, const TTrayIcon& icon) {
  return "tray index=" + std::to_string(index) + " hwnd=" + HexOf(icon.Hwnd) + " screen=" + RectText(icon.Screen) +
         " visible=" + (icon.Visible ? "1" : "0") + " tip=" + Quote(icon.Tip);
}

}  // namespace zorn::uidriver
