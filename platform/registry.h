// 32-bit values under HKEY_CURRENT_USER, where windows keep their positions
// when their place is not an INI file. Key paths use "\" separators and CP1251
// text. Win32 calls advapi32; POSIX keeps an in-memory store for the life of
// the process, which tests read and seed.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zorn::platform {

// Reads value `name` of `key`; false (and `value` untouched) when the key or
// the value is missing or is not a 32-bit value.
bool ReadRegistryDword(const std::string& key, const std::string& name, uint32_t& value);
// Writes value `name` of `key`, creating the key; false when that fails.
bool WriteRegistryDword(const std::string& key, const std::string& name, uint32_t value);

// POSIX only: the store, keyed by the key path and the value name, both
// lower-cased for Latin letters (registry names ignore letter case).
using TRegistryStore = std::map<std::string, std::map<std::string, uint32_t>>;
TRegistryStore& RegistryStore();

}  // namespace zorn::platform
