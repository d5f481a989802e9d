#include "output.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace plcsim {
namespace {

// Lines a panel must drop: none matches "#;*;*" (one digit, ";", text with
// another ";"), and none is "ERROR" followed by ";", which would reach the
// operator as a failed delivery.
const char* const kGarbage[] = {
    "12;3;4",             // a two-digit type
    "x;1;2",              // a letter for the type
    "no separator here",  //
    "error;7",            // ERROR is compared with its case
    "ERROR",              // no block named
    "",                   // an empty line
    ";;;",                //
    "3;4",                // one separator only
    "\x01\x7f\xff\xfe;",  // bytes that are no text at all
};

}  // namespace

std::string_view ending_bytes(Ending ending) {
  switch (ending) {
    case Ending::CrLf: return "\r\n";
    case Ending::Lf: return "\n";
    case Ending::Cr: return "\r";
    case Ending::None: return "";
  }
  return "";
}

OutputShaper::OutputShaper(const ShapeSettings& settings)
    : settings_(settings), rng_(settings.seed ^ 0x5DEECE66Dull) {}

void OutputShaper::queue_line(std::string_view line, std::deque<WriteUnit>& queue) {
  queue_text(std::string(line) + std::string(ending_bytes(settings_.ending)), queue);
  ++replies_;
  if (settings_.garbage_every > 0 && replies_ % settings_.garbage_every == 0) {
    std::string garbage = kGarbage[next_garbage_];
    next_garbage_ = (next_garbage_ + 1) % std::size(kGarbage);
    queue_text(garbage + std::string(ending_bytes(settings_.ending)), queue);
  }
}

void OutputShaper::queue_text(std::string bytes, std::deque<WriteUnit>& queue) {
  if (!settings_.split_writes || bytes.size() < 2) {
    queue.push_back({std::move(bytes), settings_.split_writes ? settings_.split_delay_ms : 0, true});
    return;
  }
  // The last byte always goes alone, so CR and LF of a CR LF ending arrive in
  // different writes; one or two more cuts fall at random in the rest.
  std::vector<std::size_t> cuts{bytes.size() - 1};
  long long extra = rng_.between(1, 2);
  for (long long i = 0; i < extra && bytes.size() > 2; ++i)
    cuts.push_back(static_cast<std::size_t>(rng_.between(1, static_cast<long long>(bytes.size()) - 2)));
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    queue.push_back({bytes.substr(from, cut - from), settings_.split_delay_ms, false});
    from = cut;
  }
  queue.push_back({bytes.substr(from), settings_.split_delay_ms, true});
}

}  // namespace plcsim
