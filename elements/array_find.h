// Search of an array for an item, by text or by integer.
#pragma once

#include <cstdint>

#include "runtime/wire.h"

namespace zorn {

class TZEArrayFind : public TElement {
 public:
  // The first index searched.
  int32_t Start = 0;
  // The default key.
  TData Value;
  bool CaseSensitive = false;
  // A text item matches when it contains the key.
  bool Partial = false;
  TWire Array;
  TWire StartInput;
  TWire ValueInput;

  // Reads Array, then Start (integer read) and the key (value read, as text),
  // and forwards the index of the first matching item from Start on, or -1,
  // to OnResult. Text is compared up to its first byte of code 0, lower-cased
  // with the Cyrillic code page's rules unless CaseSensitive.
  void FindText(TData& data, uint16_t index);
  // As FindText, with key and items compared as ToInt integers.
  void FindInt(TData& data, uint16_t index);
  // The last found index; -1 after a failed search.
  void Index(TData& data, uint16_t index);

  TWire OnResult;

 private:
  enum class TMatch : uint8_t { Text, Int };
  void Find(TData& data, TMatch match);

  int32_t found_ = 0;
};

}  // namespace zorn
