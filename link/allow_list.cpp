#include "link/allow_list.h"

namespace zorn {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A decimal number of one to `maxDigits` digits, at most `max`.
std::optional<uint32_t> ParseNumber(std::string_view s, size_t maxDigits, uint32_t max) {
  if (s.empty() || s.size() > maxDigits) return std::nullopt;
  uint32_t n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<uint32_t>(c - '0');
  }
  if (n > max) return std::nullopt;
  return n;
}

}  // namespace

std::optional<uint32_t> ParseDottedIpv4(std::string_view text) {
  uint32_t address = 0;
  for (int part = 0; part < 4; ++part) {
    size_t dot = text.find('.');
    if ((part < 3) != (dot != std::string_view::npos)) return std::nullopt;
    std::optional<uint32_t> n = ParseNumber(text.substr(0, dot), 3, 255);
    if (!n) return std::nullopt;
    address = address << 8 | *n;
    text = part < 3 ? text.substr(dot + 1) : std::string_view{};
  }
  return address;
}

TAllowList TAllowList::Parse(std::string_view text) {
  TAllowList list;
  while (true) {
    size_t comma = text.find(',');
    std::string_view entry = Trim(text.substr(0, comma));
    if (!entry.empty()) {
      list.open_ = false;
      size_t slash = entry.find('/');
      std::optional<uint32_t> address = ParseDottedIpv4(entry.substr(0, slash));
      std::optional<uint32_t> bits =
          slash == std::string_view::npos ? std::optional<uint32_t>(32)
                                          : ParseNumber(entry.substr(slash + 1), 2, 32);
      if (address && bits) {
        uint32_t mask = *bits == 0 ? 0 : ~uint32_t{0} << (32 - *bits);
        list.ranges_.push_back({*address & mask, mask});
      } else {
        list.invalid_.emplace_back(entry);
      }
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return list;
}

bool TAllowList::Allows(uint32_t address) const {
  if (open_) return true;
  for (const TRange& r : ranges_) {
    if ((address & r.Mask) == r.Network) return true;
  }
  return false;
}

bool TAllowList::Allows(std::string_view dotted) const {
  if (open_) return true;
  std::optional<uint32_t> address = ParseDottedIpv4(dotted);
  return address && Allows(*address);
}

}  // namespace zorn
