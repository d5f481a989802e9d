// The folders come from the "W" queries and are converted with code page 1251,
// the program's text encoding, whatever the system's ANSI code page is.
#include "platform/paths.h"

#include <windows.h>

#include "platform/win32/cp1251.h"

namespace zorn::platform {
namespace {

// Drops trailing "\" except the one of a drive root ("C:\").
std::string Folder(const wchar_t* buf, UINT n) {
  std::string path = NarrowTo1251(std::wstring(buf, n));
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

std::string WindowsFolder() {
  wchar_t buf[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryW(buf, MAX_PATH + 1);
  return n == 0 || n > MAX_PATH ? std::string() : Folder(buf, n);
}

std::string SystemFolder() {
  wchar_t buf[MAX_PATH + 1] = {};
  UINT n = GetSystemDirectoryW(buf, MAX_PATH + 1);
  return n == 0 || n > MAX_PATH ? std::string() : Folder(buf, n);
}

std::string TempFolder() {
  wchar_t buf[MAX_PATH + 2] = {};
  DWORD n = GetTempPathW(MAX_PATH + 2, buf);
  return n == 0 || n > MAX_PATH + 1 ? std::string() : Folder(buf, n);
}

std::string ExeFilePath() {
  wchar_t buf[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH + 1);
  return n == 0 || n > MAX_PATH ? std::string() : NarrowTo1251(std::wstring(buf, n));
}

// Windows takes the program's paths as they are.
std::string ToNativePath(const std::string& path) { return path; }
std::string FromNativePath(const std::string& path) { return path; }

}  // namespace zorn::platform
