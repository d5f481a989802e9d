// What uidriver prints about windows and controls: one line each, words
// name=value, texts quoted (text.h), rectangles as left,top,width,height.
#pragma once

#include <windows.h>

#include <string>

namespace zorn::uidriver {

// A message sent to another program's window; fails when the program does
// not answer within two seconds.
LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

std::string HexOf(HWND hwnd);
std::string RectText(const RECT& r);
// The rectangle relative to the client area of the window's parent
// (screen coordinates for a top-level window).
RECT ParentRect(HWND hwnd);
// The focused control of the thread that owns `hwnd`, if any.
HWND FocusOf(HWND hwnd);

// window hwnd= pid= class= title= screen= client= visible= enabled=
std::string WindowLine(HWND hwnd);
// control depth= hwnd= id= class= text= rect= screen= visible= enabled=
// focused=, then by class: checked= (buttons), items= selected= (combo and
// list boxes, list views), pos= (scroll bars).
std::string ControlLine(HWND hwnd, int depth);

}  // namespace zorn::uidriver
