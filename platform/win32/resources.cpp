#include "platform/resources.h"

#include <windows.h>

// windows.h maps FindResource to FindResourceA/W; ours is a different function.
#undef FindResource

namespace zorn::platform {

TResourceBytes FindResource(const std::string& name, int type) {
  HRSRC info = ::FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(type));
  if (!info) return {};
  HGLOBAL handle = LoadResource(nullptr, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) return {};
  return {static_cast<const uint8_t*>(data), static_cast<size_t>(SizeofResource(nullptr, info))};
}

// The Win32 build finds its resources in the exe; there is no table to fill.
void RegisterEmbeddedResource(const std::string&, int, const uint8_t*, size_t) {}

}  // namespace zorn::platform
