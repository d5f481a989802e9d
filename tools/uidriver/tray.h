// Notification-area icons in Wine's tray.
//
// Without a system tray on the X display (Xvfb has none), Wine's explorer
// shows the icons in its own "Wine System Tray" window, a top-level window
// of class __winex11_standalone_tray, one child window of class
// __winex11_tray_icon per icon. Mouse messages posted to an icon's window
// reach its program exactly as a click on the icon would: explorer passes
// them on to the window that registered the icon, as that icon's callback
// message. The tip texts are the tools of explorer's tool-tip control.
// Windows' own task bar keeps its icons in a toolbar of explorer instead;
// uidriver does not reach those.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "input.h"

namespace zorn::uidriver {

struct TTrayIcon {
  HWND Hwnd = nullptr;
  RECT Screen{};
  bool Visible = false;
  std::wstring Tip;
};

// Left to right, as the icons were added.
std::vector<TTrayIcon> TrayIcons();
void ClickTrayIcon(const TTrayIcon& icon, TButton button, bool twice, bool realInput);
std::string TrayLine(int index, const TTrayIcon& icon);

}  // namespace zorn::uidriver
