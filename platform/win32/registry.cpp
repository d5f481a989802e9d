// Registry values of the current user through advapi32, with the names
// converted from CP1251 explicitly.
#include "platform/registry.h"

#include <windows.h>

#include "platform/win32/cp1251.h"

namespace zorn::platform {

bool ReadRegistryDword(const std::string& key, const std::string& name, uint32_t& value) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFrom1251(key).c_str(), 0, KEY_QUERY_VALUE, &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  DWORD type = 0, data = 0, size = sizeof(data);
  LONG rc = RegQueryValueExW(handle, WideFrom1251(name).c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&data), &size);
  RegCloseKey(handle);
  if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(data)) return false;
  value = data;
  return true;
}

bool WriteRegistryDword(const std::string& key, const std::string& name, uint32_t value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFrom1251(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  DWORD data = value;
  LONG rc = RegSetValueExW(handle, WideFrom1251(name).c_str(), 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&data), sizeof(data));
  RegCloseKey(handle);
  return rc == ERROR_SUCCESS;
}

TRegistryStore& RegistryStore() {
  static TRegistryStore unused;  // the real registry is the store on Win32
  return unused;
}

}  // namespace zorn::platform
