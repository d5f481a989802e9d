// The Win32 folders, resources and message box under Wine. Prints each
// failed check; the exit code is the number of failures.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/resources.h"

namespace zp = zorn::platform;

namespace {

int failures = 0;

void Check(bool ok, const char* what, const std::string& detail = {}) {
  if (!ok) {
    ++failures;
    std::printf("FAILED: %s %s\n", what, detail.c_str());
  }
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == Lower(tail);
}

void CheckFolders() {
  std::string windows = zp::WindowsFolder();
  std::string system = zp::SystemFolder();
  std::string temp = zp::TempFolder();
  std::string exe = zp::ExeFilePath();
  std::printf("windows %s\nsystem %s\ntemp %s\nexe %s\n", windows.c_str(), system.c_str(),
              temp.c_str(), exe.c_str());
  Check(EndsWith(windows, ":\\windows"), "WindowsFolder", windows);
  Check(Lower(system).rfind(Lower(windows) + "\\", 0) == 0 && system.back() != '\\',
        "SystemFolder lies in the Windows folder", system);
  Check(temp.size() > 3 && temp[1] == ':' && temp.back() != '\\', "TempFolder", temp);
  Check(EndsWith(exe, "\\platform_services.exe"), "ExeFilePath", exe);
  Check(zp::ToNativePath("C:\\a\\b.ini") == "C:\\a\\b.ini", "ToNativePath is the identity");
}

void CheckResources() {
  zp::TResourceBytes probe = zp::FindResource("PROBE", zp::UserResourceType);
  Check(probe.Found() && probe.Size == 10 && std::memcmp(probe.Data, "zorn-probe", 10) == 0,
        "resource PROBE of type 100", std::to_string(probe.Size));
  Check(zp::FindResource("probe", zp::UserResourceType).Found(), "resource names ignore case");
  Check(!zp::FindResource("MISSING", zp::UserResourceType).Found(), "missing resource");
  Check(!zp::FindResource("PROBE", zp::UserResourceType + 1).Found(), "resource of another type");
}

// Seen by the closer thread in the box it closes.
struct TBoxSeen {
  DWORD Thread = 0;  // the thread that shows the box
  HWND Box = nullptr;
  std::wstring Caption;
  std::wstring Text;
  HWND Owner = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (std::wcscmp(cls, L"#32770") != 0) return TRUE;
  reinterpret_cast<TBoxSeen*>(param)->Box = window;
  return FALSE;
}

// Finds the dialog window of the showing thread, whatever its caption, so a
// box with a garbled caption still closes and fails the checks below.
DWORD WINAPI CloseBox(void* param) {
  auto* seen = static_cast<TBoxSeen*>(param);
  for (int i = 0; i < 500 && !seen->Box; ++i) {
    Sleep(20);
    EnumThreadWindows(seen->Thread, &FindBox, reinterpret_cast<LPARAM>(seen));
  }
  if (!seen->Box) return 0;
  wchar_t buf[256] = {};
  GetWindowTextW(seen->Box, buf, 256);
  seen->Caption = buf;
  GetDlgItemTextW(seen->Box, 0xFFFF, buf, 256);  // the box's static text
  seen->Text = buf;
  seen->Owner = GetWindow(seen->Box, GW_OWNER);
  PostMessageW(seen->Box, WM_COMMAND, IDOK, 0);
  return 0;
}

void CheckMessageBox() {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  zp::SetMessageBoxOwner(owner);
  TBoxSeen seen;
  seen.Thread = GetCurrentThreadId();
  HANDLE closer = CreateThread(nullptr, 0, &CloseBox, &seen, 0, nullptr);
  zp::ShowMessageBox("Ошибка: порт COM1 занят", "Проверка связи");
  WaitForSingleObject(closer, 15000);
  CloseHandle(closer);
  Check(seen.Box != nullptr, "message box appeared");
  Check(seen.Caption == L"Проверка связи", "message box caption in CP1251 shows as Cyrillic");
  Check(seen.Text == L"Ошибка: порт COM1 занят", "message box text in CP1251 shows as Cyrillic");
  Check(seen.Owner == owner, "message box owned by the registered window");
  zp::SetMessageBoxOwner(nullptr);
  DestroyWindow(owner);
}

}  // namespace

int main() {
  CheckFolders();
  CheckResources();
  CheckMessageBox();
  std::printf("platform_services: %s\n", failures == 0 ? "ok" : "FAILED");
  return failures;
}
