// Reads a program's version resource and manifest back the way Windows
// shows them in the file's properties (GetFileVersionInfoW, VerQueryValueW)
// and checks them against resources/version.h: the fixed numbers, the
// strings of the Russian/Unicode block, and the manifest's common controls,
// compatibility, execution level and DPI entries. Prints every value and
// each failed check; the exit code is the number of failures.
//   version_check PROGRAM.exe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/version.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::printf("FAIL %s\n", what);
    ++failures;
  }
}

std::string Utf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

std::wstring Wide(const char* text) {
  int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring w(n > 0 ? n - 1 : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, w.data(), n);
  return w;
}

std::wstring StringValue(const std::vector<char>& block, const wchar_t* name) {
  std::wstring path = std::wstring(L"\\StringFileInfo\\041904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value) return L"(none)";
  return static_cast<const wchar_t*>(value);
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 2) {
    std::printf("usage: version_check PROGRAM.exe\n");
    return 100;
  }
  const wchar_t* program = argv[1];

  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(program, &handle);
  Check(size > 0, "the program has a version resource");
  if (size == 0) return failures;
  std::vector<char> block(size);
  Check(GetFileVersionInfoW(program, 0, size, block.data()) != 0, "GetFileVersionInfoW reads it");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  Check(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed,
        "it has fixed file information");
  if (fixed) {
    std::printf("file version %u.%u.%u.%u, product version %u.%u.%u.%u, type %lu\n",
                HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS), HIWORD(fixed->dwProductVersionMS),
                LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS),
                LOWORD(fixed->dwProductVersionLS), fixed->dwFileType);
    Check(fixed->dwSignature == 0xFEEF04BD, "the fixed information's signature");
    Check(fixed->dwFileVersionMS == MAKELONG(ZORN_VERSION_MINOR, ZORN_VERSION_MAJOR) &&
              fixed->dwFileVersionLS == MAKELONG(0, ZORN_VERSION_PATCH),
          "the file version is the one of version.h");
    Check(fixed->dwProductVersionMS == fixed->dwFileVersionMS &&
              fixed->dwProductVersionLS == fixed->dwFileVersionLS,
          "the product version is the file version");
    Check(fixed->dwFileType == VFT_APP, "the file is an application");
  }

  struct {
    const wchar_t* name;
    std::wstring expected;
  } strings[] = {
      {L"FileVersion", Wide(ZORN_VERSION_TEXT)},
      {L"ProductVersion", Wide(ZORN_VERSION_TEXT)},
      {L"OriginalFilename", L"zorn.exe"},
      {L"ProductName", L"\x0417\x041E\x0420\x041D"},  // ЗОРН
      {L"FileDescription", L"\x0417\x041E\x0420\x041D \x2014 \x043F\x0430\x043D\x0435\x043B\x044C "
                           L"\x043E\x043F\x0435\x0440\x0430\x0442\x043E\x0440\x0430"},  // ЗОРН — панель оператора
      {L"CompanyName", L"Vorant"},
  };
  for (const auto& s : strings) {
    std::wstring value = StringValue(block, s.name);
    std::printf("%s: %s\n", Utf8(s.name).c_str(), Utf8(value).c_str());
    Check(value == s.expected, Utf8(std::wstring(s.name) + L" reads as expected").c_str());
  }

  DWORD* translation = nullptr;
  Check(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                       &length) && translation && length >= 4 && LOWORD(*translation) == 0x0419 &&
            HIWORD(*translation) == 1200,
        "the translation is Russian, Unicode");

  HMODULE image = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  HRSRC found = image ? FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
  Check(found != nullptr, "the program carries manifest 1");
  if (found) {
    std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                         SizeofResource(image, found));
    std::string identity = std::string("version=\"") + ZORN_VERSION_TEXT + ".0\"";
    Check(manifest.find(identity) != std::string::npos, "the manifest's identity has the version");
    Check(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") != std::string::npos,
          "the manifest asks for common controls 6");
    Check(manifest.find("<requestedExecutionLevel level=\"asInvoker\"") != std::string::npos,
          "the manifest runs the program as the invoking user");
    Check(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}") != std::string::npos,
          "the manifest names Windows 10 and 11 as supported");
    Check(manifest.find(">false</dpiAware>") != std::string::npos &&
              manifest.find(">unaware</dpiAwareness>") != std::string::npos,
          "the manifest declares the program DPI-unaware");
  }
  if (image) FreeLibrary(image);
  std::printf("%d failure(s)\n", failures);
  return failures;
}
