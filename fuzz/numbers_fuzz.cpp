// The number conversions: text -> number against a direct reading of the
// integer and real text rules, and number -> text -> number round trips.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz_support.h"
#include "runtime/data.h"

using namespace zorn;
using zorn::fuzz::Quote;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One sign, then decimal digits up to the first other character, each step
// result * 10 + digit wrapping in 32 bits; no blank skipped.
int32_t RuleStrToInt(const std::string& s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  uint32_t r = 0;
  while (i < s.size() && IsDigit(s[i])) r = r * 10u + static_cast<uint32_t>(s[i++] - '0');
  return static_cast<int32_t>(negative ? 0u - r : r);
}

// One sign; digits, at most one point and digits; then an exponent read as
// an integer after "E" or "e"; any other character ends the number. Its
// value is the nearest double, from the C library's correctly rounded strtod.
double RuleStrToReal(const std::string& s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  std::string whole, fraction;
  bool point = false;
  int32_t exponent = 0;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      (point ? fraction : whole) += s[i];
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      if (s[i] == 'e' || s[i] == 'E') exponent = RuleStrToInt(s.substr(i + 1));
      break;
    }
  }
  const std::string text = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction) +
                           "e" + std::to_string(exponent);
  const double value = std::strtod(text.c_str(), nullptr);
  return negative ? -value : value;
}

// The shape RealToStr promises: an optional "-", digits without leading
// zeros, an optional point with digits that do not end in 0, never an
// exponent, at most 15 significant digits.
bool WellFormedReal(const std::string& t) {
  size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
  const size_t start = i;
  while (i < t.size() && IsDigit(t[i])) ++i;
  const size_t wholeEnd = i;
  if (wholeEnd == start) return false;
  if (wholeEnd - start > 1 && t[start] == '0') return false;
  if (i < t.size()) {
    if (t[i] != '.') return false;
    ++i;
    if (i == t.size()) return false;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i != t.size() || t.back() == '0') return false;
  }
  size_t significant = 0;
  bool leading = true;
  for (size_t j = start; j < t.size(); ++j) {
    if (t[j] == '.') continue;
    if (leading && t[j] == '0') continue;
    leading = false;
    ++significant;
  }
  // Trailing zeros of a whole number are not significant.
  size_t zeros = 0;
  if (t.find('.') == std::string::npos) {
    for (size_t j = t.size(); j > start && t[j - 1] == '0'; --j) ++zeros;
  }
  return significant - std::min(significant, zeros) <= 15;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider in(bytes, size);
  const int32_t i = in.ConsumeIntegral<int32_t>();
  double x = 0;
  const std::vector<uint8_t> raw = in.ConsumeBytes<uint8_t>(sizeof x);
  if (!raw.empty()) std::memcpy(&x, raw.data(), raw.size());
  const std::string s = in.ConsumeRemainingBytesAsString().substr(0, 400);

  // Integer -> text -> integer.
  const std::string it = IntToStr(i);
  FUZZ_CHECK(it == std::to_string(i), it);
  FUZZ_CHECK(StrToInt(it) == i, it);

  // Text -> integer -> text -> integer.
  const int32_t si = StrToInt(s);
  FUZZ_CHECK(si == RuleStrToInt(s), Quote(s) + " gives " + std::to_string(si));
  FUZZ_CHECK(StrToInt(IntToStr(si)) == si, Quote(s));

  // Text -> real against the rules; then real -> text -> real.
  const double sr = StrToReal(s);
  const double rule = RuleStrToReal(s);
  FUZZ_CHECK(sr == rule || (std::isnan(sr) && std::isnan(rule)),
             Quote(s) + " gives " + RealToStr(sr) + ", rules " + RealToStr(rule));

  for (double v : {x, sr}) {
    const std::string t = RealToStr(v);
    if (std::isnan(v)) {
      FUZZ_CHECK(t == "NAN", t);
      continue;
    }
    if (std::isinf(v)) {
      FUZZ_CHECK(t == (v > 0 ? "INF" : "-INF"), t);
      continue;
    }
    FUZZ_CHECK(WellFormedReal(t), Quote(t));
    const double back = StrToReal(t);
    // Fifteen digits round the largest doubles up beyond the range, as the
    // rules do ('179769313486232' and 294 zeros): they read back as infinity.
    if (std::isinf(back) && std::fabs(v) >= 1.797693134862315e308) continue;
    // Fifteen significant digits (fourteen where the scaling rounds up to a
    // new digit, as for 999999999999999): within 1e-14 of the value, plus
    // the spacing of the doubles near the smallest ones.
    const double tolerance = std::fabs(v) * 1e-14 + 2 * std::numeric_limits<double>::denorm_min();
    FUZZ_CHECK(std::fabs(back - v) <= tolerance, t);
    // Converting again stays as close. (Not always the same text: at a tie
    // of the sixteenth digit the rules' scaling may round the other way, so
    // '0.0999999999999995' reads back as a double that prints as '0.1'.)
    const double again = StrToReal(RealToStr(back));
    FUZZ_CHECK(std::fabs(again - v) <= 2 * tolerance || (std::isinf(again) && std::fabs(v) >= 1.797693134862315e308),
               t + " reads back as " + RealToStr(back));
    // A whole number of at most 14 digits converts exactly.
    if (v == std::trunc(v) && std::fabs(v) < 1e14) {
      FUZZ_CHECK(t.find('.') == std::string::npos, t);
      FUZZ_CHECK(back == v, t);
    }
  }
  return 0;
}
