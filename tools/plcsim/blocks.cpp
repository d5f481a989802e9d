#include "blocks.h"

#include <charconv>

namespace plcsim {
namespace {

struct Token {
  std::string_view text;
  std::size_t end;  // offset just past the token in its line
};

std::vector<Token> tokens_of(std::string_view line) {
  std::vector<Token> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back({line.substr(start, i - start), i});
  }
  return out;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool parse_number(std::string_view text, unsigned long& value) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool parse_type(std::string_view text, Direction direction, ValueType& type) {
  static const char* const names[] = {"bool", "int", "str"};
  for (int i = 0; i < 3; ++i) {
    bool output_code = direction == Direction::Out && text.size() == 1 && text[0] == '5' + i;
    if (text == names[i] || (text.size() == 1 && text[0] == '0' + i) || output_code) {
      type = static_cast<ValueType>(i);
      return true;
    }
  }
  return false;
}

// Checks a value text against a block type; the error says what was wanted.
bool suits(ValueType type, std::string_view value, std::string& error) {
  long long n = 0;
  if (type == ValueType::Bool && value != "0" && value != "1") {
    error = "a bool value is 0 or 1, not \"" + std::string(value) + "\"";
    return false;
  }
  if (type == ValueType::Int && !parse_integer(value, n)) {
    error = "an int value is a decimal number, not \"" + std::string(value) + "\"";
    return false;
  }
  return true;
}

class LineParser {
 public:
  LineParser(std::string_view line, std::vector<Token> tokens) : line_(line), t_(std::move(tokens)) {}

  bool parse(Block& b, std::string& error) {
    if (t_[0].text == "in") {
      b.direction = Direction::In;
    } else if (t_[0].text == "out") {
      b.direction = Direction::Out;
    } else {
      return fail(error, "a line starts with in or out, not \"" + std::string(t_[0].text) + "\"");
    }
    if (t_.size() < 3) return fail(error, "expected: in|out TYPE BLOCK [MODE ARGUMENTS]");
    if (!parse_type(t_[1].text, b.direction, b.type))
      return fail(error, "unknown type \"" + std::string(t_[1].text) + "\" (bool, int, str or 0, 1, 2)");
    if (!parse_number(t_[2].text, b.number))
      return fail(error, "the block number is a decimal number, not \"" + std::string(t_[2].text) + "\"");
    std::string_view mode = t_.size() > 3 ? t_[3].text : "const";
    if (b.direction == Direction::Out && mode != "const")
      return fail(error, "output blocks hold what commands set; only const is allowed");
    if (mode == "const") return parse_const(b, error);
    if (b.type == ValueType::Bool && (mode == "counter" || mode == "random"))
      return fail(error, std::string(mode) + " needs an int or str block");
    if (mode == "counter") return parse_counter(b, error);
    if (mode == "random") return parse_random(b, error);
    if (mode == "square") return parse_square(b, error);
    if (mode == "follow") return parse_follow(b, error);
    return fail(error, "unknown mode \"" + std::string(mode) + "\" (const, counter, random, square, follow)");
  }

 private:
  bool fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
  }

  bool integer_at(std::size_t i, long long& value, const char* what, std::string& error) {
    if (i >= t_.size()) return fail(error, std::string("missing ") + what);
    if (!parse_integer(t_[i].text, value))
      return fail(error, std::string(what) + " is a decimal number, not \"" + std::string(t_[i].text) + "\"");
    return true;
  }

  bool no_more_after(std::size_t i, std::string& error) {
    if (t_.size() > i) return fail(error, "unexpected \"" + std::string(t_[i].text) + "\"");
    return true;
  }

  bool parse_const(Block& b, std::string& error) {
    b.mode = Mode::Const;
    if (t_.size() <= 4) {
      b.text = b.type == ValueType::Str ? "" : "0";
      return true;
    }
    // A str value runs to the end of the line and may hold blanks.
    if (b.type == ValueType::Str) {
      b.text = std::string(trimmed(line_.substr(t_[3].end)));
      return true;
    }
    b.text = std::string(t_[4].text);
    return suits(b.type, b.text, error) && no_more_after(5, error);
  }

  bool parse_counter(Block& b, std::string& error) {
    b.mode = Mode::Counter;
    if (!integer_at(4, b.current, "START", error) || !integer_at(5, b.step, "STEP", error)) return false;
    if (t_.size() > 6) {
      b.bounded = true;
      if (!integer_at(6, b.low, "MIN", error) || !integer_at(7, b.high, "MAX", error)) return false;
      if (b.low > b.high || b.current < b.low || b.current > b.high)
        return fail(error, "a counter needs MIN <= START <= MAX");
    }
    return no_more_after(8, error);
  }

  bool parse_random(Block& b, std::string& error) {
    b.mode = Mode::RandomWalk;
    b.bounded = true;
    if (!integer_at(4, b.current, "START", error) || !integer_at(5, b.low, "MIN", error) ||
        !integer_at(6, b.high, "MAX", error))
      return false;
    if (t_.size() > 7 && !integer_at(7, b.step, "STEP", error)) return false;
    if (b.low > b.high || b.current < b.low || b.current > b.high)
      return fail(error, "a random walk needs MIN <= START <= MAX");
    if (b.step < 1) return fail(error, "a random walk needs STEP >= 1");
    return no_more_after(8, error);
  }

  bool parse_square(Block& b, std::string& error) {
    b.mode = Mode::Square;
    if (t_.size() < 5) return fail(error, "missing PERIOD (polls, or milliseconds with ms)");
    std::string_view period = t_[4].text;
    if (period.size() > 2 && period.substr(period.size() - 2) == "ms") {
      b.period_in_ms = true;
      period.remove_suffix(2);
    }
    if (!parse_integer(period, b.period) || b.period < 2)
      return fail(error, "PERIOD is a number of polls or milliseconds, 2 or more");
    b.square_low = "0";
    b.square_high = "1";
    if (t_.size() > 5) {
      if (t_.size() < 7) return fail(error, "square takes both LOW and HIGH or neither");
      b.square_low = std::string(t_[5].text);
      b.square_high = std::string(t_[6].text);
    }
    return suits(b.type, b.square_low, error) && suits(b.type, b.square_high, error) &&
           no_more_after(7, error);
  }

  bool parse_follow(Block& b, std::string& error) {
    b.mode = Mode::Follow;
    if (t_.size() < 5 || !parse_number(t_[4].text, b.follows))
      return fail(error, "follow takes the number of an output block");
    return no_more_after(5, error);
  }

  std::string_view line_;
  std::vector<Token> t_;
};

}  // namespace

bool parse_integer(std::string_view text, long long& value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool BlockTable::parse(std::string_view text, std::uint64_t seed, std::string& error) {
  blocks_.clear();
  polls_ = 0;
  int line_no = 0;
  while (!text.empty()) {
    std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text = lf == std::string_view::npos ? std::string_view() : text.substr(lf + 1);
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto tokens = tokens_of(line);
    if (tokens.empty() || tokens[0].text.front() == '#') continue;

    Block b;
    b.line = line_no;
    std::string why;
    if (!LineParser(line, std::move(tokens)).parse(b, why)) {
      error = "line " + std::to_string(line_no) + ": " + why;
      return false;
    }
    if (find(b.direction, b.number) != nullptr) {
      error = "line " + std::to_string(line_no) + ": block " + std::to_string(b.number) +
              " is already an " + (b.direction == Direction::In ? "input" : "output") + " block";
      return false;
    }
    // Each block walks its own sequence, so adding a block leaves the others' alone.
    b.rng = Rng(seed ^ (0xA0761D6478BD642Full * static_cast<std::uint64_t>(line_no)));
    blocks_.push_back(std::move(b));
  }
  for (const Block& b : blocks_) {
    if (b.mode == Mode::Follow && find(Direction::Out, b.follows) == nullptr) {
      error = "line " + std::to_string(b.line) + ": there is no output block " + std::to_string(b.follows);
      return false;
    }
  }
  return true;
}

Block* BlockTable::find(Direction direction, unsigned long number) {
  for (Block& b : blocks_)
    if (b.direction == direction && b.number == number) return &b;
  return nullptr;
}

std::string BlockTable::value_of(const Block& b, long long elapsed_ms) const {
  switch (b.mode) {
    case Mode::Const:
      return b.text;
    case Mode::Counter:
    case Mode::RandomWalk:
      return std::to_string(b.current);
    case Mode::Square: {
      // Low for the first half of each period (rounded down), then high.
      long long phase = (b.period_in_ms ? elapsed_ms : polls_) % b.period;
      return phase < b.period / 2 ? b.square_low : b.square_high;
    }
    case Mode::Follow:
      for (const Block& out : blocks_)
        if (out.direction == Direction::Out && out.number == b.follows) return out.text;
      return {};
  }
  return {};
}

std::string BlockTable::line_of(const Block& b, long long elapsed_ms) const {
  return std::to_string(b.type_code()) + ";" + std::to_string(b.number) + ";" + value_of(b, elapsed_ms);
}

void BlockTable::advance_poll() {
  ++polls_;
  for (Block& b : blocks_) {
    if (b.direction != Direction::In) continue;
    if (b.mode == Mode::Counter) {
      // Unsigned arithmetic: a long run wraps instead of overflowing.
      auto next = static_cast<long long>(static_cast<unsigned long long>(b.current) +
                                         static_cast<unsigned long long>(b.step));
      if (b.bounded && (next < b.low || next > b.high)) {
        long long span = b.high - b.low + 1;
        long long offset = (next - b.low) % span;
        next = b.low + (offset < 0 ? offset + span : offset);
      }
      b.current = next;
    } else if (b.mode == Mode::RandomWalk) {
      long long next = b.current + b.rng.between(-b.step, b.step);
      b.current = next < b.low ? b.low : next > b.high ? b.high : next;
    }
  }
}

bool BlockTable::set_output(Block& b, std::string_view value) {
  std::string ignored;
  if (!suits(b.type, value, ignored)) return false;
  long long n = 0;
  b.text = b.type == ValueType::Int && parse_integer(value, n) ? std::to_string(n) : std::string(value);
  return true;
}

}  // namespace plcsim
