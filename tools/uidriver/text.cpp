#include "text.h"

#include <windows.h>

#include <cstdio>

namespace zorn::uidriver {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr,
                      nullptr);
  return utf8;
}

std::string Quote(const std::wstring& text) {
  std::wstring q = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"': q += L"\\\""; break;
      case L'\\': q += L"\\\\"; break;
      case L'\n': q += L"\\n"; break;
      case L'\r': q += L"\\r"; break;
      case L'\t': q += L"\\t"; break;
      default: q += c; break;
    }
  }
  q += L'"';
  return Narrow(q);
}

namespace {

// A console gets UTF-16 (it would read bytes in its own code page); a
// pipe or file gets the UTF-8 bytes as they are.
void Write(DWORD which, const std::string& line) {
  HANDLE h = GetStdHandle(which);
  if (h == nullptr || h == INVALID_HANDLE_VALUE) return;
  std::string text = line + "\n";
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(h, &mode)) {
    std::wstring wide = Widen(text);
    WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace

void PrintLine(const std::string& line) { Write(STD_OUTPUT_HANDLE, line); }
void PrintError(const std::string& line) { Write(STD_ERROR_HANDLE, line); }

void Fail(int code, const std::wstring& message) { throw TFailure{code, message}; }

}  // namespace zorn::uidriver
