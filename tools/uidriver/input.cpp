#include "input.h"

#include <cwctype>
#include <map>

#include "facts.h"
#include "find.h"
#include "text.h"

namespace zorn::uidriver {
namespace {

struct TMessages {
  UINT Down, Up, Double;
  WPARAM Held;
  DWORD InputDown, InputUp;
};

TMessages MessagesOf(TButton b) {
  switch (b) {
    case TButton::Right:
      return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
    case TButton::Middle:
      return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON, MOUSEEVENTF_MIDDLEDOWN,
              MOUSEEVENTF_MIDDLEUP};
    case TButton::Left: break;
  }
  return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
}

void Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!PostMessageW(hwnd, msg, wp, lp)) Fail(kFailed, L"cannot post to window " + Widen(HexOf(hwnd)));
}

void Send(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (SendInput(1, &in, sizeof in) != 1) Fail(kFailed, L"SendInput failed");
}

void RealMouse(HWND target, POINT screen, const TMessages& m, TPress press) {
  HWND under = WindowFromPoint(screen);
  if (under != target && !IsChild(target, under)) {
    Fail(kFailed, L"window " + Widen(HexOf(under)) + L" covers the point; the real input would not reach " +
                      Widen(HexOf(target)));
  }
  switch (press) {
    case TPress::Move: break;
    case TPress::Down: Send(m.InputDown); break;
    case TPress::Up: Send(m.InputUp); break;
    case TPress::Click: Send(m.InputDown); Send(m.InputUp); break;
    case TPress::Double:
      for (int i = 0; i < 2; ++i) {
        Send(m.InputDown);
        Send(m.InputUp);
      }
      break;
  }
}

bool Extended(UINT vk) {
  switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE: return true;
    default: return false;
  }
}

const std::map<std::wstring, UINT>& KeyNames() {
  static const std::map<std::wstring, UINT> names = {
      {L"enter", VK_RETURN}, {L"return", VK_RETURN}, {L"escape", VK_ESCAPE}, {L"esc", VK_ESCAPE},
      {L"tab", VK_TAB}, {L"back", VK_BACK}, {L"backspace", VK_BACK}, {L"delete", VK_DELETE},
      {L"del", VK_DELETE}, {L"insert", VK_INSERT}, {L"home", VK_HOME}, {L"end", VK_END},
      {L"pageup", VK_PRIOR}, {L"pagedown", VK_NEXT}, {L"up", VK_UP}, {L"down", VK_DOWN},
      {L"left", VK_LEFT}, {L"right", VK_RIGHT}, {L"space", VK_SPACE}, {L"apps", VK_APPS},
  };
  return names;
}

}  // namespace

TButton ButtonOption(TArgs& args) {
  std::wstring b = args.Value(L"button").value_or(L"left");
  if (b == L"left") return TButton::Left;
  if (b == L"right") return TButton::Right;
  if (b == L"middle") return TButton::Middle;
  Fail(kUsage, L"--button is left, right or middle, not " + b);
}

POINT PointOption(TArgs& args, HWND target) {
  std::optional<std::wstring> at = args.Value(L"at");
  if (!at) {
    RECT rc{};
    GetClientRect(target, &rc);
    return {rc.right / 2, rc.bottom / 2};
  }
  size_t comma = at->find(L',');
  if (comma == std::wstring::npos) Fail(kUsage, L"--at is X,Y, not " + *at);
  return {static_cast<LONG>(ParseNumber(at->substr(0, comma), L"--at")),
          static_cast<LONG>(ParseNumber(at->substr(comma + 1), L"--at"))};
}

void Mouse(HWND target, POINT client, TButton button, TPress press, bool realInput) {
  POINT screen = client;
  ClientToScreen(target, &screen);
  SetCursorPos(screen.x, screen.y);
  TMessages m = MessagesOf(button);
  if (realInput) {
    RealMouse(target, screen, m, press);
    return;
  }
  LPARAM at = MAKELPARAM(client.x, client.y);
  Post(target, WM_MOUSEMOVE, 0, at);
  switch (press) {
    case TPress::Move: break;
    case TPress::Down: Post(target, m.Down, m.Held, at); break;
    case TPress::Up: Post(target, m.Up, 0, at); break;
    case TPress::Click:
      Post(target, m.Down, m.Held, at);
      Post(target, m.Up, 0, at);
      break;
    case TPress::Double: {
      // The system makes the second press a double click only for classes
      // that ask for it.
      bool wantsDouble = (GetClassLongPtrW(target, GCL_STYLE) & CS_DBLCLKS) != 0;
      Post(target, m.Down, m.Held, at);
      Post(target, m.Up, 0, at);
      Post(target, wantsDouble ? m.Double : m.Down, m.Held, at);
      Post(target, m.Up, 0, at);
      break;
    }
  }
}

UINT KeyCode(const std::wstring& name) {
  std::wstring lower;
  for (wchar_t c : name) lower += static_cast<wchar_t>(std::towlower(c));
  auto it = KeyNames().find(lower);
  if (it != KeyNames().end()) return it->second;
  if (lower.size() == 1 && ((lower[0] >= L'a' && lower[0] <= L'z') || (lower[0] >= L'0' && lower[0] <= L'9'))) {
    return static_cast<UINT>(std::towupper(lower[0]));
  }
  if (lower.size() >= 2 && lower[0] == L'f' && iswdigit(lower[1])) {
    long long n = ParseNumber(lower.substr(1), L"key " + name);
    if (n >= 1 && n <= 24) return static_cast<UINT>(VK_F1 + n - 1);
  }
  if (lower.compare(0, 2, L"0x") == 0) return static_cast<UINT>(ParseNumber(lower, L"key " + name));
  Fail(kUsage, L"unknown key " + name);
}

void PostKey(HWND target, UINT vk) {
  LPARAM down = 1 | (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16) |
                (Extended(vk) ? (1 << 24) : 0);
  LPARAM up = down | (1 << 30) | static_cast<LPARAM>(1u << 31);
  Post(target, WM_KEYDOWN, vk, down);
  Post(target, WM_KEYUP, vk, up);
}

void Type(HWND target, const std::wstring& text) {
  for (wchar_t c : text) Post(target, WM_CHAR, c, 1);
}

bool Focus(HWND control) {
  DWORD theirs = GetWindowThreadProcessId(control, nullptr);
  DWORD ours = GetCurrentThreadId();
  bool attached = AttachThreadInput(ours, theirs, TRUE) != FALSE;
  SetFocus(control);
  if (attached) AttachThreadInput(ours, theirs, FALSE);
  return WaitFor(2000, [&] { return FocusOf(control) == control; });
}

HWND KeyTarget(HWND top, HWND named) {
  if (named != top) return named;
  HWND focus = FocusOf(top);
  return focus ? focus : top;
}

}  // namespace zorn::uidriver
