// Text functions shared by the element library. Positions are 1-based and
// every comparison is on bytes of CP1251 text.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zorn {

// Cuts `text` at the first `ch`: returns what stands before it and leaves what
// follows in `text`. Without `ch` the whole text is returned and kept.
std::string CutToken(std::string& text, char ch);
// 1-based position of `sub` in `text` at or after `start`; 0 when absent or
// when `sub` is empty.
size_t PosFrom(const std::string& sub, const std::string& text, size_t start);
// Asked with the 1-based position of each match; false keeps that match.
using TReplaceFilter = std::function<bool(size_t position)>;
// Replaces every occurrence of `find` left to right; inserted text is never
// rescanned. A rejected match stays and the search moves on by one byte.
void ReplaceAll(std::string& text, const std::string& find, const std::string& with,
                const TReplaceFilter& filter = nullptr);
// Byte order with only a-z folded to A-Z; negative, zero or positive.
int CompareTextAscii(const std::string& a, const std::string& b);
// A copy with A-Z lowered and every other byte kept.
std::string LowerAscii(const std::string& s);

}  // namespace zorn
