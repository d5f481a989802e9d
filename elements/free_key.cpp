#include "elements/free_key.h"

#include <unordered_set>

#include "elements/cyrillic_case.h"

namespace zorn {

void TZEFreeKey::Find(TData& data, uint16_t) {
  std::unordered_set<std::string> taken;
  if (TArrayIntf* array = ReadArray(Array)) {
    int32_t count = array->Count(array->Self);
    for (int32_t i = 0; i < count; ++i) {
      TData index, item;
      MakeInt(index, i);
      if (!array->Get(array->Self, index, item)) continue;
      std::string line = ToStr(item);
      taken.insert(LowerCyrillic(line.substr(0, line.find(';'))));
    }
  }
  const std::string prefix = LowerCyrillic(Prefix);
  for (int32_t step = 1; step <= Last + 1; ++step) {
    int32_t n = step <= Last ? step : 0;
    if (taken.count(prefix + IntToStr(n))) continue;
    ForwardStr(data, OnKey, Prefix + IntToStr(n));
    return;
  }
  ForwardNull(data, OnNone);
}

}  // namespace zorn
