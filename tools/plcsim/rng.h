// A small seeded generator (splitmix64). The standard distributions differ
// between library versions; this one gives the same run for the same --seed
// on every build.
#pragma once

#include <cstdint>

namespace plcsim {

class Rng {
 public:
  explicit Rng(std::uint64_t seed = 0) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  /// A number from lo to hi, both included; lo <= hi.
  long long between(long long lo, long long hi) {
    const std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
    if (span == 0) return static_cast<long long>(next());  // the whole range
    return static_cast<long long>(static_cast<std::uint64_t>(lo) + next() % span);
  }

 private:
  std::uint64_t state_;
};

}  // namespace plcsim
