// The simulated controller's block table, read from a block file (format in
// README.md), and the value modes that move input blocks on from poll to poll.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rng.h"

namespace plcsim {

enum class Direction { In, Out };
enum class ValueType { Bool = 0, Int = 1, Str = 2 };
enum class Mode { Const, Counter, RandomWalk, Square, Follow };

struct Block {
  Direction direction = Direction::In;
  ValueType type = ValueType::Int;
  unsigned long number = 0;
  Mode mode = Mode::Const;
  int line = 0;  // in the block file, for messages

  std::string text;       // Const, and every output block: the value itself
  long long current = 0;  // Counter, RandomWalk: the value of the next poll
  long long step = 1;
  bool bounded = false;   // Counter: wraps from high to low; RandomWalk: clamped
  long long low = 0, high = 0;
  std::string square_low, square_high;
  long long period = 2;
  bool period_in_ms = false;
  unsigned long follows = 0;  // Follow: the output block mirrored
  Rng rng;

  /// The protocol's type code: 0 to 2 for input blocks, 5 to 7 for outputs.
  int type_code() const { return static_cast<int>(type) + (direction == Direction::Out ? 5 : 0); }
};

class BlockTable {
 public:
  /// Reads a block file; on failure error names the line and the fault.
  bool parse(std::string_view text, std::uint64_t seed, std::string& error);

  std::vector<Block>& blocks() { return blocks_; }
  const std::vector<Block>& blocks() const { return blocks_; }

  Block* find(Direction direction, unsigned long number);

  /// The value a block reports now; elapsed_ms counts from the program's start.
  std::string value_of(const Block& block, long long elapsed_ms) const;

  /// "type;block;value" as the controller sends it.
  std::string line_of(const Block& block, long long elapsed_ms) const;

  /// Moves every input block on by one poll.
  void advance_poll();

  /// Sets an output block from a command's value text. False when the text
  /// does not suit the block's type (bool takes 0 or 1, int a decimal number).
  bool set_output(Block& block, std::string_view value);

 private:
  std::vector<Block> blocks_;
  long long polls_ = 0;
};

/// Whole-text decimal number, optionally signed.
bool parse_integer(std::string_view text, long long& value);

}  // namespace plcsim
