// Modal message boxes with one OK button.
#pragma once

#include <string>
#include <vector>

namespace zorn::platform {

// Shows `text` with `caption`, owned by the window registered with
// SetMessageBoxOwner (none while none is). Returns when the box is closed.
void ShowMessageBox(const std::string& text, const std::string& caption);
// Shows the box with no owner window, whatever is registered.
void ShowUnownedMessageBox(const std::string& text, const std::string& caption);
// The application's main window (a native handle), or nullptr.
void SetMessageBoxOwner(void* window);

// The POSIX build records boxes instead of showing them (and echoes them to
// stderr); tests read and clear the record. Empty on Win32.
struct TShownMessage {
  std::string Text;
  std::string Caption;
  bool Owned = false;
};
std::vector<TShownMessage>& ShownMessages();

}  // namespace zorn::platform
