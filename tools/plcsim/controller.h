// The controller's side of the protocol: received bytes become lines, and
// each line (scan request, poll, command) its reply lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "blocks.h"

namespace plcsim {

/// Cuts received bytes into lines at LF. A CR is dropped wherever it stands:
/// the panel frames its polls and commands as CR, text, LF but sends the scan
/// request without the CR.
class LineBuffer {
 public:
  /// Appends every line that the bytes complete to lines.
  void feed(const char* data, std::size_t size, std::vector<std::string>& lines);

 private:
  static constexpr std::size_t kMaxLine = 64 * 1024;  // longer lines are cut here
  std::string pending_;
};

enum class Request { Scan, Poll, Command, Ignored };

struct Answer {
  Request request = Request::Ignored;
  std::vector<std::string> lines;  // without line endings
};

class Controller {
 public:
  explicit Controller(BlockTable& table) : table_(table) {}

  /// "scan": every block in table order; "ref": every input block, after
  /// which the values move on by one poll; "value;block": sets that output
  /// block and answers with its line, or "ERROR;block" when there is no such
  /// output block or the value does not suit it. Other lines get no answer.
  Answer answer(std::string_view line, long long elapsed_ms);

  /// What a poll gets; also the load of --flood.
  std::vector<std::string> poll_lines(long long elapsed_ms);

 private:
  BlockTable& table_;
};

}  // namespace plcsim
