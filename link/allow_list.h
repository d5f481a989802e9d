// Which clients the TCP server takes: a list of IPv4 addresses and CIDR
// ranges, as config.ini's tcp_allow holds it, and the strict dotted-decimal
// reading that tcp_bind and the list share.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorn {

// Four decimal numbers 0 to 255 of one to three digits, joined by "."; the
// first number in the highest byte. Nothing else: no blanks, no shortened
// ("127.1"), octal or hexadecimal forms.
std::optional<uint32_t> ParseDottedIpv4(std::string_view text);

class TAllowList {
 public:
  // An empty list: every client is allowed.
  TAllowList() = default;

  // Entries separated by ","; blanks around an entry and empty entries are
  // ignored. An entry is an address (a.b.c.d) or a range (a.b.c.d/n, n 0 to
  // 32; bits of the address beyond n are ignored). An entry that is neither
  // allows nobody and is kept in Invalid(). A text with entries but none
  // valid allows nobody: a mistyped list never opens the door to everyone.
  static TAllowList Parse(std::string_view text);

  // True for every client when the text held no entry at all.
  bool AllowsEveryone() const { return open_; }
  bool Allows(uint32_t address) const;
  // The peer text of a connection, dotted decimal; false when it does not
  // parse, unless everyone is allowed.
  bool Allows(std::string_view dotted) const;
  // The entries that were not understood, as written (without blanks).
  const std::vector<std::string>& Invalid() const { return invalid_; }

 private:
  struct TRange {
    uint32_t Network;
    uint32_t Mask;
  };
  bool open_ = true;
  std::vector<TRange> ranges_;
  std::vector<std::string> invalid_;
};

}  // namespace zorn
