// Finding windows by caption and class, and controls inside them by text,
// class, control id and position, waiting for them to appear.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "args.h"

namespace zorn::uidriver {

struct TWindowSel {
  std::optional<std::wstring> Title;     // --title: the caption, whole
  std::optional<std::wstring> TitleHas;  // --title-has: a part of the caption
  std::optional<std::wstring> Class;     // --class, any case
  HWND Hwnd = nullptr;                   // --hwnd
  bool Hidden = false;                   // --hidden: invisible windows count too
  int Index = -1;                        // --win-index: the n-th match in z order
  bool Given() const { return Title || TitleHas || Class || Hwnd; }
  std::wstring Describe() const;
};

struct TControlSel {
  std::optional<std::wstring> Text;   // --ctl-text
  std::optional<std::wstring> Has;    // --ctl-has
  std::optional<std::wstring> Class;  // --ctl-class
  std::optional<int> Id;              // --ctl-id
  int Index = -1;                     // --ctl-index: the n-th match, in list order
  bool Given() const { return Text || Has || Class || Id || Index >= 0; }
  std::wstring Describe() const;
};

TWindowSel WindowSel(TArgs& args);
TControlSel ControlSel(TArgs& args);

std::wstring ClassOf(HWND hwnd);
// The window's text as its own window procedure gives it (WM_GETTEXT).
std::wstring TextOf(HWND hwnd);

// Top-level windows of other processes, topmost first.
std::vector<HWND> TopWindows();
std::vector<HWND> MatchingWindows(const TWindowSel& sel);
// The one window that matches, waiting up to `timeoutMs` for it.
HWND WaitWindow(const TWindowSel& sel, DWORD timeoutMs);

struct TNode {
  HWND Hwnd;
  int Depth;  // 1 for a child of the top-level window
};
// Every control under `top`, depth first in z order (the listing's order).
std::vector<TNode> Descendants(HWND top);
HWND WaitControl(HWND top, const TControlSel& sel, DWORD timeoutMs);

// The window a command acts on: its control when one is selected.
struct TTarget {
  HWND Top = nullptr;
  HWND Hwnd = nullptr;
};
TTarget FindTarget(TArgs& args, DWORD timeoutMs);

// Runs `ready` every 20 ms until it returns true or `timeoutMs` passes.
template <class F>
bool WaitFor(DWORD timeoutMs, F ready) {
  DWORD start = GetTickCount();
  for (;;) {
    if (ready()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

}  // namespace zorn::uidriver
