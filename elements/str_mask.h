// Matching a whole text against a wildcard mask.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/wire.h"

namespace zorn {

enum class TCaseMode : uint8_t { Exact, IgnoreCase };

// The mask rules: "*" any run of characters (the empty run included), "#"
// exactly one ASCII digit, "?" exactly one character, every other byte
// itself; the whole text must be consumed. IgnoreCase folds both sides with
// the Windows Cyrillic lower-casing. Runs in linear time for masks whose
// pieces between stars are short, and never worse than
// O(text length * longest piece / 64).
bool MaskMatches(std::string_view text, std::string_view mask, TCaseMode mode);

class TZEStrMask : public TElement {
 public:
  std::string Mask;
  bool IgnoreCase = false;
  TWire Text;

  // Reads Text (no default) and forwards it, as read, to OnMatch or OnNoMatch.
  void Check(TData& data, uint16_t index);

  TWire OnMatch;
  TWire OnNoMatch;
};

}  // namespace zorn
