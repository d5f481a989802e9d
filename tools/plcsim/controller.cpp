#include "controller.h"

namespace plcsim {

void LineBuffer::feed(const char* data, std::size_t size, std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < size; ++i) {
    char c = data[i];
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(std::move(pending_));
      pending_.clear();
    } else if (pending_.size() < kMaxLine) {
      pending_.push_back(c);
    }
  }
}

std::vector<std::string> Controller::poll_lines(long long elapsed_ms) {
  std::vector<std::string> lines;
  for (const Block& b : table_.blocks())
    if (b.direction == Direction::In) lines.push_back(table_.line_of(b, elapsed_ms));
  table_.advance_poll();
  return lines;
}

Answer Controller::answer(std::string_view line, long long elapsed_ms) {
  Answer a;
  if (line == "scan") {
    a.request = Request::Scan;
    for (const Block& b : table_.blocks()) a.lines.push_back(table_.line_of(b, elapsed_ms));
    return a;
  }
  if (line == "ref") {
    a.request = Request::Poll;
    a.lines = poll_lines(elapsed_ms);
    return a;
  }
  // A command is value;block. A str value may itself hold ";", so the block
  // is what follows the last one.
  std::size_t semi = line.rfind(';');
  if (semi == std::string_view::npos) return a;
  std::string_view block_text = line.substr(semi + 1);
  long long number = 0;
  if (block_text.empty() || block_text.front() == '-' || !parse_integer(block_text, number)) return a;

  a.request = Request::Command;
  Block* out = table_.find(Direction::Out, static_cast<unsigned long>(number));
  if (out != nullptr && table_.set_output(*out, line.substr(0, semi)))
    a.lines.push_back(table_.line_of(*out, elapsed_ms));
  else
    a.lines.push_back("ERROR;" + std::string(block_text));
  return a;
}

}  // namespace plcsim
