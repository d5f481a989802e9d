// The block types the editor dialogs know: a type code is one digit; the
// names of the output types (codes 5 to 7) and of the input types (0 to 2).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorn {

inline constexpr int32_t kTypeCodes = 10;

inline const std::vector<std::string> kOutputTypeNames = {"", "", "", "", "", "bool", "int", "str"};
inline const std::vector<std::string> kInputTypeNames = {"bool", "int", "str"};

}  // namespace zorn
