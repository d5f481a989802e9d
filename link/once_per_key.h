// TZEOncePerKey: lets a value through at most once per interval for each
// text, on the event loop's clock; the TCP link uses it so that a client
// refused again and again shows one message a minute, not one per try.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "runtime/wire.h"

namespace zorn {

class TZEOncePerKey : public TElement {
 public:
  // At most this many texts are remembered; a new text beyond them within
  // the interval is held back, so a flood of distinct texts neither grows
  // the memory nor floods the receiver.
  static constexpr size_t MaxKeys = 1024;

  // Milliseconds during which the same text is held back after it passed.
  uint32_t IntervalMs = 60000;

  // 0: the value's text is the key. Fires OnPass with the value when the key
  // has not passed within the last IntervalMs; otherwise nothing.
  void Pass(TData& data, uint16_t index);

  TWire OnPass;

 private:
  // Forgets the keys whose interval has ended.
  void Expire(uint64_t now);

  std::map<std::string, uint64_t> passed_;  // key: when it last passed
};

}  // namespace zorn
