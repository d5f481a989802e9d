// Boxes of the POSIX build are recorded for tests and echoed to stderr.
#include "platform/message_box.h"

#include <cstdio>

#include "platform/posix/cp1251.h"

namespace zorn::platform {
namespace {

void* owner = nullptr;

void Record(const std::string& text, const std::string& caption, bool owned) {
  ShownMessages().push_back({text, caption, owned});
  std::fprintf(stderr, "[%s] %s\n", Cp1251ToUtf8(caption).c_str(), Cp1251ToUtf8(text).c_str());
}

}  // namespace

void ShowMessageBox(const std::string& text, const std::string& caption) {
  Record(text, caption, owner != nullptr);
}

void ShowUnownedMessageBox(const std::string& text, const std::string& caption) {
  Record(text, caption, false);
}

void SetMessageBoxOwner(void* window) { owner = window; }

std::vector<TShownMessage>& ShownMessages() {
  static std::vector<TShownMessage> shown;
  return shown;
}

}  // namespace zorn::platform
