// CP1251 <-> UTF-8 for the POSIX boundary (file names, terminal output).
#pragma once

#include <string>

namespace zorn::platform {

std::string Cp1251ToUtf8(const std::string& text);
// Characters CP1251 lacks, and malformed UTF-8 bytes, become "?".
std::string Utf8ToCp1251(const std::string& text);

}  // namespace zorn::platform
