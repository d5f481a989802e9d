// The INI profile service over the kernel32 private-profile functions.
//
// Names and values go to the "A" functions unchanged: their bytes pass through
// the ANSI code page and back, so CP1251 text survives in the file on Cyrillic
// and Western Windows alike. Only the path has to name the right file, so a
// path that the ANSI code page cannot spell is replaced by its short form.
#include "platform/ini.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zorn::platform {
namespace {

constexpr UINT Cp1251 = 1251;

enum class TPathUse { Read, Write };

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(Cp1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(Cp1251, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// The wide text in the ANSI code page; false when a character has no spelling.
bool ToAnsi(const std::wstring& wide, std::string& ansi) {
  BOOL lossy = FALSE;
  int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0,
                              nullptr, &lossy);
  if (n <= 0 || lossy) return false;
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, out.data(), n, nullptr,
                      &lossy);
  out.resize(static_cast<size_t>(n - 1));
  ansi = out;
  return !lossy;
}

// The path for the "A" functions. Cyrillic paths are common for a Russian
// operator panel, also on systems (and Wine prefixes) whose ANSI code page is
// not 1251; their 8.3 short form is plain ASCII. A file that is about to be
// written must exist to have a short form, so it is created empty first, which
// is what the write would do anyway.
std::string AnsiPath(const std::string& path, TPathUse use) {
  const bool ascii = std::all_of(path.begin(), path.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii || GetACP() == Cp1251) return path;
  const std::wstring wide = Widen(path);
  std::string ansi;
  if (ToAnsi(wide, ansi)) return ansi;
  if (use == TPathUse::Write) {
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  DWORD n = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (n > 0) {
    std::wstring shortPath(n, L'\0');
    n = GetShortPathNameW(wide.c_str(), shortPath.data(), n);
    shortPath.resize(n);
    if (n > 0 && ToAnsi(shortPath, ansi)) return ansi;
  }
  return path;  // no usable spelling: the call fails or reads nothing
}

}  // namespace

uint32_t ReadIniString(const std::string& file, const std::string& section,
                       const std::string& key, const std::string& defaultValue,
                       uint32_t bufferSize, std::string& value) {
  std::vector<char> buffer(std::max<uint32_t>(bufferSize, 1), '\0');
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                     buffer.data(), bufferSize,
                                     AnsiPath(file, TPathUse::Read).c_str());
  const size_t shown = std::min<size_t>(n, buffer.size());
  value.assign(buffer.data(), std::find(buffer.data(), buffer.data() + shown, '\0'));
  return n;
}

uint32_t ReadIniInt(const std::string& file, const std::string& section,
                    const std::string& key, int32_t defaultValue) {
  return GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue,
                               AnsiPath(file, TPathUse::Read).c_str());
}

uint32_t ReadIniSection(const std::string& file, const std::string& section,
                        uint32_t bufferSize, std::vector<std::string>& lines) {
  lines.clear();
  // Wine writes its two final NULs at buffer + (0 - 2) for a size of 0.
  if (bufferSize == 0) return 0;
  std::vector<char> buffer(static_cast<size_t>(bufferSize) + 2, '\0');
  DWORD n = GetPrivateProfileSectionA(section.c_str(), buffer.data(), bufferSize,
                                      AnsiPath(file, TPathUse::Read).c_str());
  const char* p = buffer.data();
  const char* end = p + std::min<size_t>(n, bufferSize);
  while (p < end) {
    const char* stop = std::find(p, end, '\0');
    if (stop != p) lines.emplace_back(p, stop);
    p = stop + 1;
  }
  return n;
}

bool WriteIniString(const std::string& file, const std::string& section,
                    const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    AnsiPath(file, TPathUse::Write).c_str()) != FALSE;
}

bool DeleteIniKey(const std::string& file, const std::string& section,
                  const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr,
                                    AnsiPath(file, TPathUse::Write).c_str()) != FALSE;
}

bool DeleteIniSection(const std::string& file, const std::string& section) {
  return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr,
                                    AnsiPath(file, TPathUse::Write).c_str()) != FALSE;
}

bool WriteIniSection(const std::string& file, const std::string& section,
                     const std::vector<std::string>& lines) {
  std::string block;
  for (const std::string& line : lines) {
    // Each line ends at its first NUL; an empty one would end the block early.
    if (line.c_str()[0] == '\0') continue;
    block.append(line.c_str());
    block.push_back('\0');
  }
  block.push_back('\0');
  return WritePrivateProfileSectionA(section.c_str(), block.data(),
                                     AnsiPath(file, TPathUse::Write).c_str()) != FALSE;
}

bool FlushIni(const std::string& file) {
  return WritePrivateProfileStringA(nullptr, nullptr, nullptr,
                                    AnsiPath(file, TPathUse::Read).c_str()) != FALSE;
}

}  // namespace zorn::platform
