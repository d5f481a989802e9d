#include "platform/win32/cp1251.h"

#include <windows.h>

namespace zorn::platform {

std::wstring WideFrom1251(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string NarrowTo1251(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string narrow(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(1251, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n,
                      nullptr, nullptr);
  return narrow;
}

}  // namespace zorn::platform
