// The PC-level actions through shell32, the Core Audio interfaces, advapi32
// and user32.
#include "platform/system_actions.h"

#include <windows.h>
#include <shellapi.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include "platform/win32/cp1251.h"
#include "platform/win32/lazy_function.h"

namespace zorn::platform {
namespace {

// The published identifiers of the device enumerator and the endpoint
// volume, spelled out so that no uuid library is needed.
constexpr CLSID kDeviceEnumeratorClass = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID kDeviceEnumeratorInterface = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID kEndpointVolumeInterface = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

template <class T>
void Release(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

// ole32 is loaded at the first volume change: with combase and rpcrt4 it
// would stay resident in every program that never changes the volume.
struct TOle32 {
  using TInitialize = HRESULT(WINAPI*)(LPVOID, DWORD);
  using TUninitialize = void(WINAPI*)();
  using TCreateInstance = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  TInitialize Initialize = LazyFunction<TInitialize>(L"ole32.dll", "CoInitializeEx");
  TUninitialize Uninitialize = LazyFunction<TUninitialize>(L"ole32.dll", "CoUninitialize");
  TCreateInstance CreateInstance = LazyFunction<TCreateInstance>(L"ole32.dll", "CoCreateInstance");
  bool Loaded() const { return Initialize && Uninitialize && CreateInstance; }
};

const TOle32& Ole32() {
  static const TOle32 ole32;
  return ole32;
}

// COM for the duration of one call; a thread already in another apartment
// mode keeps it and is used as it is.
class TComScope {
 public:
  TComScope()
      : result_(Ole32().Loaded() ? Ole32().Initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL) {}
  ~TComScope() {
    if (SUCCEEDED(result_)) Ole32().Uninitialize();
  }
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

 private:
  HRESULT result_;
};

// Enables or disables the shutdown privilege of this process.
bool SetShutdownPrivilege(bool enabled) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return false;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  bool done = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  if (done) {
    privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
    done = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
           GetLastError() == ERROR_SUCCESS;
  }
  CloseHandle(token);
  return done;
}

// Privilege on, the request (never forced), privilege off.
bool RequestExit(UINT flags) {
  SetShutdownPrivilege(true);
  bool accepted = ExitWindowsEx(flags, SHTDN_REASON_FLAG_PLANNED) != 0;
  SetShutdownPrivilege(false);
  return accepted;
}

}  // namespace

// The wide call with the path taken from code page 1251, so a Cyrillic path
// opens on every Windows locale.
bool ShellOpen(const std::string& path) {
  HINSTANCE result =
      ShellExecuteW(nullptr, L"open", WideFrom1251(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool SetMasterVolume(float level) {
  TComScope com;
  if (!com.Usable()) return false;
  IMMDeviceEnumerator* enumerator = nullptr;
  IMMDevice* device = nullptr;
  IAudioEndpointVolume* volume = nullptr;
  bool done = SUCCEEDED(Ole32().CreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_ALL,
                                         kDeviceEnumeratorInterface,
                                         reinterpret_cast<void**>(&enumerator))) &&
              SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) &&
              SUCCEEDED(device->Activate(kEndpointVolumeInterface, CLSCTX_ALL, nullptr,
                                         reinterpret_cast<void**>(&volume))) &&
              SUCCEEDED(volume->SetMasterVolumeLevelScalar(level, nullptr));
  Release(volume);
  Release(device);
  Release(enumerator);
  return done;
}

bool ShutDown() { return RequestExit(EWX_SHUTDOWN); }

bool Restart() { return RequestExit(EWX_REBOOT); }

bool LockWorkstation() { return LockWorkStation() != 0; }

// Win32 performs the actions; there is nothing to record.
std::vector<TSystemRequest>& SystemRequests() {
  static std::vector<TSystemRequest> none;
  return none;
}

}  // namespace zorn::platform
