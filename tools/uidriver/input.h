// The user's hands: mouse buttons and keys.
//
// Mouse buttons are posted as WM_*BUTTON* messages to the control itself,
// after the cursor is moved onto the point (so hover states, and menus that
// open at the cursor, come out as a user would see them). A posted message
// reaches exactly the control it names whatever covers it on the screen,
// needs no window manager, foreground window or keyboard focus, and never
// blocks uidriver on a menu or box the click opens. --real-input sends
// SendInput events instead: they take the real path through the system,
// capture and activation included, but go to whatever window is under the
// cursor, so uidriver first checks that this is the target.
//
// Keys are posted as WM_KEYDOWN/WM_KEYUP; the program's own TranslateMessage
// makes the WM_CHAR that follows, as it does for a real key. Text is typed
// as WM_CHAR messages, one per UTF-16 unit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "args.h"

namespace zorn::uidriver {

enum class TButton { Left, Right, Middle };
enum class TPress { Move, Down, Up, Click, Double };

TButton ButtonOption(TArgs& args);  // --button left|right|middle
// --at X,Y in the target's client area; its centre by default.
POINT PointOption(TArgs& args, HWND target);

void Mouse(HWND target, POINT client, TButton button, TPress press, bool realInput);

// A key by name (enter, escape, tab, back, delete, up, f5, a, 7, ...) or
// by virtual-key number (0x41).
UINT KeyCode(const std::wstring& name);
void PostKey(HWND target, UINT vk);
void Type(HWND target, const std::wstring& text);
// Gives `control` the keyboard focus of its thread.
bool Focus(HWND control);

// Where keys and text go: the control named, else the focused control of
// the window's thread, else the window.
HWND KeyTarget(HWND top, HWND named);

}  // namespace zorn::uidriver
