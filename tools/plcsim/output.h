// How reply lines go out: the line ending, garbage lines mixed in, and lines
// cut into several writes with pauses between them.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "rng.h"

namespace plcsim {

enum class Ending { CrLf, Lf, Cr, None };

std::string_view ending_bytes(Ending ending);

/// One write to the channel, made delay_ms after the previous one finished.
struct WriteUnit {
  std::string bytes;
  int delay_ms = 0;
  bool ends_line = false;  // the last write of a line (garbage lines count too)
};

struct ShapeSettings {
  Ending ending = Ending::CrLf;
  int garbage_every = 0;  // a garbage line after every N reply lines; 0: none
  bool split_writes = false;
  int split_delay_ms = 5;
  std::uint64_t seed = 1;
};

class OutputShaper {
 public:
  explicit OutputShaper(const ShapeSettings& settings);

  /// Queues one reply line (without ending) and any garbage line due after it.
  void queue_line(std::string_view line, std::deque<WriteUnit>& queue);

 private:
  void queue_text(std::string bytes, std::deque<WriteUnit>& queue);

  ShapeSettings settings_;
  Rng rng_;
  long long replies_ = 0;
  std::size_t next_garbage_ = 0;
};

}  // namespace plcsim
