// TZEFreeKey: the first record key that a loaded record list does not use.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/wire.h"

namespace zorn {

// The keys tried are Prefix followed by 1, 2, … Last, then Prefix followed
// by 0, so "unit_1" comes first and "unit_0" last. A list item's key is its
// text up to the first ";" (records are loaded with "=" turned into ";");
// keys are compared without regard to letter case, as INI keys are.
class TZEFreeKey : public TElement {
 public:
  std::string Prefix = "unit_";
  int32_t Last = 100;
  TWire Array;

  // Reads Array and forwards the first free key (Str) to OnKey. When every
  // key is taken it forwards Null to OnNone instead; the search always ends
  // after Last + 1 keys. Without an array every key is free.
  void Find(TData& data, uint16_t index);

  TWire OnKey;
  TWire OnNone;
};

}  // namespace zorn
