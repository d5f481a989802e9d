// Filling the numbered placeholders "%1" … "%N" of a pattern.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/wire.h"

namespace zorn {

// The placeholder rules: "%%" is a literal "%"; "%k" not followed by a digit
// becomes args[k-1], left to right, k = 1, 2, …; text inserted for one
// number is searched again by the larger numbers. A placeholder beyond the
// arguments stays as typed. Bytes of the mask and of the arguments are never
// taken for the internal markers.
std::string FormatPlaceholders(const std::string& mask, const std::vector<std::string>& args);

class TZEFormatStr : public TElement {
 public:
  std::string Mask;
  // Sizes the argument inputs Arg1, Arg2, …
  void SetCount(int32_t count);
  int32_t Count() const { return static_cast<int32_t>(Args.size()); }
  std::vector<TWire> Args;

  // Reads every argument once, in order and without default (so an unwired
  // element takes the successive values of the received chain), fills the
  // mask, stores the result and forwards it to OnResult.
  void Format(TData& data, uint16_t index);
  // The last result.
  void Result(TData& data, uint16_t index);

  TWire OnResult;

 private:
  TStr result_;
  std::vector<std::string> values_;  // reused between calls
};

}  // namespace zorn
