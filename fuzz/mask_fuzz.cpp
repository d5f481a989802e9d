// The mask matcher against a direct reading of the mask rules: both texts
// get an end marker of code 1, then the shortest-first trial of "*" with
// "#" one ASCII digit, "?" any one character and every other byte itself,
// lower-cased first when case is ignored. Checked through the function and
// through the element's OnMatch / OnNoMatch.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "elements/str_mask.h"
#include "fuzz_support.h"

using namespace zorn;
using zorn::fuzz::Quote;

namespace {

// Windows lower-casing of the Cyrillic code page 1251: Latin A-Z, the
// capitals 0xC0-0xDF, and the capitals outside that run with their small
// letters (Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Ё Є Ї І Ѕ).
std::array<unsigned char, 256> LowerTable() {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) {
    t[c] = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) t[c] = static_cast<unsigned char>(c + 0x20);
  }
  const int pairs[][2] = {{0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
                          {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
                          {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
  for (const auto& p : pairs) t[p[0]] = static_cast<unsigned char>(p[1]);
  return t;
}

// The rules' procedure, step by step; `seen` remembers the (text, mask)
// positions already tried, which the procedure's answer depends on alone.
class TRuleMatcher {
 public:
  TRuleMatcher(std::string text, std::string mask)
      : t_(std::move(text)), m_(std::move(mask)), seen_((t_.size() + 1) * (m_.size() + 1), 0) {}

  bool Match(size_t ti, size_t mi) {
    uint8_t& memo = seen_[ti * (m_.size() + 1) + mi];
    if (memo) return memo == 2;
    bool result = false;
    while (ti < t_.size() && mi < m_.size()) {
      const char mc = m_[mi];
      if (mc == '*') {
        if (Match(ti, mi + 1)) {
          result = true;
          break;
        }
        ++ti;
        continue;
      }
      if (mc == '#') {
        if (t_[ti] < '0' || t_[ti] > '9') break;
      } else if (mc != '?' && mc != t_[ti]) {
        break;
      }
      ++ti;
      ++mi;
    }
    if (!result) result = ti == t_.size() && mi == m_.size();
    memo = result ? 2 : 1;
    return result;
  }

 private:
  std::string t_, m_;
  std::vector<uint8_t> seen_;
};

bool RuleMatches(std::string text, std::string mask, bool ignoreCase) {
  static const std::array<unsigned char, 256> lower = LowerTable();
  if (ignoreCase) {
    for (char& c : text) c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
    for (char& c : mask) c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
  }
  text += '\x01';
  mask += '\x01';
  return TRuleMatcher(std::move(text), std::move(mask)).Match(0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  zorn::fuzz::StartOnce();
  FuzzedDataProvider in(bytes, size);
  const bool ignoreCase = in.ConsumeBool();
  const std::string mask = in.ConsumeRandomLengthString(64);
  const std::string text = in.ConsumeRemainingBytesAsString().substr(0, 256);

  const bool expected = RuleMatches(text, mask, ignoreCase);
  const bool got = MaskMatches(text, mask, ignoreCase ? TCaseMode::IgnoreCase : TCaseMode::Exact);
  FUZZ_CHECK(got == expected, "text " + Quote(text) + " mask " + Quote(mask) +
                                  (ignoreCase ? " ignoring case" : "") + ": rules say " +
                                  (expected ? "match" : "no match"));

  TZEStrMask element;
  element.Mask = mask;
  element.IgnoreCase = ignoreCase;
  zorn::fuzz::TProbe probe;
  element.OnMatch = MakeWire(1, &zorn::fuzz::TProbe::Take, &probe);
  element.OnNoMatch = MakeWire(0, &zorn::fuzz::TProbe::Take, &probe);
  FireStr(MakeWire(0, &TZEStrMask::Check, &element), TStr(text));
  FUZZ_CHECK(probe.Texts.size() == 1 && probe.Texts[0] == text, "the text goes on as read");
  FUZZ_CHECK(probe.Indexes[0] == (expected ? 1 : 0), "OnMatch exactly when the rules match");
  return 0;
}
