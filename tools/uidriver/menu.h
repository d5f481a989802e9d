// Open popup menus: the system's windows of class #32768.
//
// A menu is picked with the keys, posted to its window: Down as often as
// the keyboard needs to reach the item (it passes over separators, not
// over disabled items), then Enter. That works whatever the menu's owner
// asked of TrackPopupMenu (zorn's menus return the choice with
// TPM_RETURNCMD and send no WM_COMMAND) and wherever the mouse is.
//
// The keyboard must know where the separators are. Windows lets another
// process read a menu's items through MN_GETHMENU; Wine does not (its
// menus belong to the process that made them), so there the caller gives
// the items it expects with --layout.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace zorn::uidriver {

struct TMenuEntry {
  std::wstring Text;  // empty for owner-drawn items without a string
  bool Separator = false;
  bool Enabled = true;
  bool Checked = false;
  bool OwnerDrawn = false;
  bool Highlighted = false;
};

// The topmost open menu of another process (of process `pid` unless 0),
// waiting for one to open.
HWND WaitMenu(DWORD timeoutMs, DWORD pid);
// Its items, when the system lets uidriver read them.
std::optional<std::vector<TMenuEntry>> ReadMenu(HWND menu);
// "Open|-|Close": the texts of the items, "-" for a separator.
std::vector<TMenuEntry> ParseLayout(const std::wstring& layout);
// Fails when the menu can be read and differs from `expected`.
void CheckLayout(const std::vector<TMenuEntry>& actual, const std::vector<TMenuEntry>& expected);
// Chooses item `index` (separators counted) and waits for the menu to close.
void PickMenuItem(HWND menu, const std::vector<TMenuEntry>& items, int index, DWORD timeoutMs);
// Escape until the menu is closed.
void CloseMenu(HWND menu, DWORD timeoutMs);

std::string MenuLine(HWND menu, const std::optional<std::vector<TMenuEntry>>& items);
std::string ItemLine(int index, const TMenuEntry& item);

}  // namespace zorn::uidriver
