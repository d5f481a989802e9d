#include "platform/message_box.h"

#include <windows.h>

#include "platform/win32/cp1251.h"

namespace zorn::platform {
namespace {

HWND owner = nullptr;

void Show(HWND window, const std::string& text, const std::string& caption) {
  MessageBoxW(window, WideFrom1251(text).c_str(), WideFrom1251(caption).c_str(), MB_OK);
}

}  // namespace

void ShowMessageBox(const std::string& text, const std::string& caption) {
  Show(owner, text, caption);
}

void ShowUnownedMessageBox(const std::string& text, const std::string& caption) {
  Show(nullptr, text, caption);
}

void SetMessageBoxOwner(void* window) { owner = static_cast<HWND>(window); }

std::vector<TShownMessage>& ShownMessages() {
  static std::vector<TShownMessage> none;
  return none;
}

}  // namespace zorn::platform
