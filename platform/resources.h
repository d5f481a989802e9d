// The program's own resources, by name and numeric type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// windows.h, when included first, maps FindResource to FindResourceA/W, which
// would rename the function below; Win32 code names the A function explicitly.
#ifdef FindResource
#undef FindResource
#endif

namespace zorn::platform {

struct TResourceBytes {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
  bool Found() const { return Data != nullptr; }
};

// Resource type of the program's sounds.
constexpr int UserResourceType = 100;

// Read-only bytes of resource `name` of `type`; not found gives no data.
// Win32: FindResourceA in the exe. POSIX: the table of embedded resources.
TResourceBytes FindResource(const std::string& name, int type);

// POSIX only: adds a resource to the embedded table (the build generates the
// calls from resources/; tests add their own).
void RegisterEmbeddedResource(const std::string& name, int type, const uint8_t* data, size_t size);

}  // namespace zorn::platform
