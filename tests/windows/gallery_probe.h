// Reading a running program's windows back through Win32 alone, as another
// program would: texts, classes, geometry, states; and a screen picture.
#pragma once

#include <windows.h>

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

}  // namespace zorn::test
