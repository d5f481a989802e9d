// The in-memory registry of the POSIX build.
#include "platform/registry.h"

#include <algorithm>

namespace zorn::platform {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return s;
}

}  // namespace

TRegistryStore& RegistryStore() {
  static TRegistryStore store;
  return store;
}

bool ReadRegistryDword(const std::string& key, const std::string& name, uint32_t& value) {
  auto k = RegistryStore().find(Lower(key));
  if (k == RegistryStore().end()) return false;
  auto v = k->second.find(Lower(name));
  if (v == k->second.end()) return false;
  value = v->second;
  return true;
}

bool WriteRegistryDword(const std::string& key, const std::string& name, uint32_t value) {
  RegistryStore()[Lower(key)][Lower(name)] = value;
  return true;
}

}  // namespace zorn::platform
