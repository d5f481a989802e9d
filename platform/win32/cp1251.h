// CP1251 <-> UTF-16 for the "W" functions, with code page 1251 named
// explicitly so Cyrillic shows on every Windows locale.
#pragma once

#include <string>

namespace zorn::platform {

std::wstring WideFrom1251(const std::string& text);
std::string NarrowTo1251(const std::wstring& text);

}  // namespace zorn::platform
