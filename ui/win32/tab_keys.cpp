// The Tab key between the controls of a window. Our windows are no dialogs,
// so no IsDialogMessage moves the focus for them: a keyboard hook of the GUI
// thread sees each key as a loop takes it (any loop, nested ones too),
// moves the focus to the next tab stop and discards the key, so that no
// control gets the Tab and no WM_CHAR follows. A keyboard hook runs for key
// messages only; a hook on every message would cost each timer tick and
// repaint three more wineserver requests under Wine.
#include "ui/win32/win_api.h"

#include <vector>

#include "ui/win32/backend.h"
#include "ui/win32/widget.h"

namespace zorn::ui::win32 {
namespace {

TWin32Backend* g_backend = nullptr;  // the one whose controls take the Tab key

bool Held(int vk) { return GetKeyState(vk) < 0; }

// A menu or a window move runs its own loop, whose keys are its own.
bool ModalTracking() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) &&
         (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_INMOVESIZE)) != 0;
}

// The key goes to the focus window; bit 31 of the flags is set for a release.
// A non-zero answer discards the key message.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
  bool press = (static_cast<DWORD>(lp) & 0x80000000u) == 0;
  if (code == HC_ACTION && press && g_backend && wp == VK_TAB && !Held(VK_CONTROL) &&
      !Held(VK_MENU) && !ModalTracking()) {
    auto direction = Held(VK_SHIFT) ? TTabDirection::Backward : TTabDirection::Forward;
    if (g_backend->MoveFocusByTab(GetFocus(), direction)) return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

// Enabled with every window between it and its form.
bool EnabledUpTo(HWND hwnd, HWND root) {
  for (HWND h = hwnd; h; h = GetParent(h)) {
    if (!IsWindowEnabled(h)) return false;
    if (h == root) return true;
  }
  return false;
}

}  // namespace

void InstallTabKeys(TWin32Backend* backend, HHOOK& hook) {
  hook = SetWindowsHookExW(WH_KEYBOARD, &KeyboardHook, nullptr, GetCurrentThreadId());
  g_backend = backend;
}

void RemoveTabKeys(TWin32Backend* backend, HHOOK& hook) {
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
  if (g_backend == backend) g_backend = nullptr;
}

bool TWin32Backend::MoveFocusByTab(HWND focus, TTabDirection direction) {
  // The focus may be in a window inside a control (a combo box's edit).
  TWin32Widget* from = nullptr;
  for (HWND h = focus; h && !from; h = GetParent(h)) from = Find(h);
  if (!from) return false;
  HWND root = GetAncestor(from->Hwnd(), GA_ROOT);
  TWin32Widget* form = Find(root);
  if (!form || form->Kind() != TWidgetKind::Form) return false;
  std::vector<TTabStop> stops;
  for (const auto& [hwnd, widget] : widgets_) {
    if (widget->Kind() == TWidgetKind::Form || widget->Args().TabOrder < 1) continue;
    if (GetAncestor(hwnd, GA_ROOT) != root || !IsWindowVisible(hwnd) || !EnabledUpTo(hwnd, root)) continue;
    stops.push_back({widget->Args().TabOrder, widget->Created(), widget});
  }
  IWidget* next = NextTabStop(stops, from, direction);
  if (!next) return false;
  ::SetFocus(static_cast<TWin32Widget*>(next)->Hwnd());
  return true;
}

}  // namespace zorn::ui::win32
