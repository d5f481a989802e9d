// Reading a running program's windows back through Win32 alone, as another
// program would: texts, classes, geometry, states; and a screen picture.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zorn::test {

struct TWindowFacts {
  HWND Hwnd = nullptr;
  std::wstring Class;
  std::wstring Text;
  RECT Rect{};  // relative to the parent's client area
  bool Visible = false;
  bool Enabled = false;
};

TWindowFacts FactsOf(HWND hwnd);
// The direct children of `parent`, in z order.
std::vector<TWindowFacts> ChildrenOf(HWND parent);
// The first visible top-level window of this thread with class `cls`.
HWND ThreadWindow(const wchar_t* cls);
// The whole screen as a 24-bit BMP file.
bool SaveScreen(const std::wstring& path);
// Runs the thread's messages for `ms` milliseconds.
void Pump(DWORD ms);

// A left or right press and release at client point (x, y), as the mouse
// makes them. The release is queued first: scroll bars and report views
// follow a press in a loop of their own, which takes it from the queue.
void PressAndRelease(HWND hwnd, int x, int y, bool right = false);
// A press that moves to (toX, y) before the release, in the same way.
void Drag(HWND hwnd, int x, int y, int toX);
// A key pressed and released through the system's input (SendInput), as the
// keyboard makes it for the focused window, optionally with Shift held.
void PressKey(WPARAM vk, bool shift = false);
// The range, page and position of a scroll bar control.
SCROLLINFO ScrollOf(HWND bar);
// Runs `fn` once after `ms` milliseconds from this thread's timer, which a
// modal loop (menu, dialog) runs too: it can look at the open window and end it.
void WhileModal(UINT ms, std::function<void()> fn);
// A TrueType face this machine has with Cyrillic letters: Tahoma where it is
// installed, else the first in the system's order.
std::wstring CyrillicFace();
// Text of a report view's cell, of a header item.
std::wstring ListCell(HWND list, int row, int column);
std::wstring HeaderText(HWND header, int item);
// The centre of a report view's row, of a header item, in client points.
POINT RowCentre(HWND list, int row);
POINT HeaderCentre(HWND header, int item);

}  // namespace zorn::test
