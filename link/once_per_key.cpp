#include "link/once_per_key.h"

#include "platform/event_loop.h"

namespace zorn {

void TZEOncePerKey::Expire(uint64_t now) {
  std::erase_if(passed_, [&](const auto& entry) { return now - entry.second >= IntervalMs; });
}

void TZEOncePerKey::Pass(TData& data, uint16_t) {
  uint64_t now = platform::EventLoop().NowMs();
  Expire(now);
  std::string key = ToStr(data);
  if (passed_.count(key) != 0 || passed_.size() >= MaxKeys) return;
  passed_[key] = now;
  Fire(OnPass, data);
}

}  // namespace zorn
