// The Win32 folders, resources and message box under Wine. Prints each
// failed check; the exit code is the number of failures.
#include <windows.h>

#include <cstdio>
#include <cstring>
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
  bool Found = false;
  std::wstring Text;
  HWND Owner = nullptr;
};

DWORD WINAPI CloseBox(void* param) {
  auto* seen = static_cast<TBoxSeen*>(param);
  for (int i = 0; i < 500 && !seen->Found; ++i) {
    HWND box = FindWindowW(L"#32770", L"Проверка связи");
    if (box) {
      wchar_t text[256] = {};
      GetDlgItemTextW(box, 0xFFFF, text, 256);  // the box's static text
      seen->Text = text;
      seen->Owner = GetWindow(box, GW_OWNER);
      seen->Found = true;
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    Sleep(20);
  }
  return 0;
}

void CheckMessageBox() {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  zp::SetMessageBoxOwner(owner);
  TBoxSeen seen;
  HANDLE closer = CreateThread(nullptr, 0, &CloseBox, &seen, 0, nullptr);
  zp::ShowMessageBox("Ошибка: порт COM1 занят", "Проверка связи");
  WaitForSingleObject(closer, 15000);
  CloseHandle(closer);
  Check(seen.Found, "message box with the Cyrillic caption appeared and closed");
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
