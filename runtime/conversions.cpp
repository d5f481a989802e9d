// Conversions between values and their text and numeric forms. None fails:
// text that is not a number yields its numeric prefix, other kinds a neutral
// value.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "runtime/data.h"

namespace zorn {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Nearest integer, ties to the even neighbour, independent of the current
// rounding mode. x - floor(x) is exact, so the tie test is exact too.
template <class F>
F RoundHalfEven(F x) {
  F f = std::floor(x);
  F diff = x - f;
  if (diff > F(0.5)) return f + 1;
  if (diff < F(0.5)) return f;
  return std::fmod(f, F(2)) == 0 ? f : f + 1;
}

// The double nearest to the decimal number whole.fraction × 10^exponent,
// by std::from_chars, which rounds correctly whatever the locale: summing
// digit by digit would round at every step ("3.25e-2" must be 0.0325).
double DecimalToReal(const std::string& whole, const std::string& fraction, int32_t exponent) {
  std::string digits = whole + fraction;
  size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0.0;
  // Scientific form of the significant digits: d.ddd…e(power of d).
  int64_t power = static_cast<int64_t>(whole.size()) - 1 - static_cast<int64_t>(first) + exponent;
  std::string text = digits.substr(first, 1);
  if (first + 1 < digits.size()) text += "." + digits.substr(first + 1);
  text += "e" + std::to_string(power);
  double value = 0.0;
  std::errc error = std::from_chars(text.data(), text.data() + text.size(), value).ec;
  // Beyond the range of a double: infinity above it, 0 below it.
  if (error == std::errc::result_out_of_range) {
    return power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

std::string IntToStr(int32_t i) { return std::to_string(i); }

int32_t StrToInt(const std::string& s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negative = s[i] == '-';
    ++i;
  }
  // Unsigned arithmetic gives the 32-bit wrap-around without overflow.
  uint32_t result = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) result = result * 10u + static_cast<uint32_t>(s[i] - '0');
  if (negative) result = 0u - result;
  return static_cast<int32_t>(result);
}

double StrToReal(const std::string& s) {
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negative = s[i] == '-';
    ++i;
  }
  // The text rules decide which digits and which exponent make the number.
  std::string whole, fraction;
  int32_t exponent = 0;
  bool point = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (IsDigit(c)) {
      (point ? fraction : whole) += c;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      if (c == 'E' || c == 'e') exponent = StrToInt(s.substr(i + 1));
      break;
    }
  }
  double value = DecimalToReal(whole, fraction, exponent);
  return negative ? -value : value;
}

std::string RealToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";

  // Scale to a 15-digit integer in extended precision; n counts the digits
  // that stand before the decimal point.
  long double x = std::fabs(static_cast<long double>(value));
  int n = 15;
  bool scaled_up = false;
  while (x < 5e12L) {
    x *= 10;
    --n;
    scaled_up = true;
  }
  if (!scaled_up) {
    while (x >= 1e13L) {
      x /= 10;
      ++n;
    }
  }
  long double rounded = RoundHalfEven(x);
  while (rounded < 1e14L) {
    x *= 10;
    --n;
    rounded = RoundHalfEven(x);
  }
  if (rounded >= 1e15L) {
    rounded = 1e14L;
    ++n;
  }
  std::string digits = std::to_string(static_cast<int64_t>(rounded));

  std::string text;
  if (n >= 15) {
    text = digits + std::string(static_cast<size_t>(n - 15), '0');
  } else {
    if (n > 0) {
      text = digits.substr(0, static_cast<size_t>(n)) + "." + digits.substr(static_cast<size_t>(n));
    } else {
      text = "0." + std::string(static_cast<size_t>(-n), '0') + digits;
    }
    size_t end = text.find_last_not_of('0');
    if (text[end] == '.') --end;
    text.resize(end + 1);
  }
  return value < 0 ? "-" + text : text;
}

int32_t RoundToInt(double x) {
  // Out of the 64-bit range (and NaN) the x87 conversion gives the integer
  // indefinite 0x8000000000000000, whose low 32 bits are 0.
  constexpr double limit = 9223372036854775808.0;  // 2^63
  double r = RoundHalfEven(x);
  if (!(r >= -limit && r < limit)) return 0;
  int64_t wide = static_cast<int64_t>(r);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

std::string ToStr(const TData& v) {
  switch (v.Kind) {
    case dtInt: return IntToStr(v.IntValue);
    case dtStr: return v.StrValue.str();
    case dtReal: return RealToStr(v.RealValue);
    default: return {};
  }
}

int32_t ToInt(const TData& v) {
  switch (v.Kind) {
    case dtInt: return v.IntValue;
    case dtStr: return StrToInt(v.StrValue.str());
    case dtReal: return RoundToInt(v.RealValue);
    default: return 0;
  }
}

double ToReal(const TData& v) {
  switch (v.Kind) {
    case dtInt: return v.IntValue;
    case dtStr: return StrToReal(v.StrValue.str());
    case dtReal: return v.RealValue;
    default: return 0.0;
  }
}

int32_t ToIndex(const TData& v) {
  switch (v.Kind) {
    case dtInt: return v.IntValue;
    case dtReal: return RoundToInt(v.RealValue);
    case dtStr: {
      const std::string& s = v.StrValue.str();
      if (s.empty()) return -1;
      int32_t i = StrToInt(s);
      return i == 0 && s[0] != '0' ? -1 : i;
    }
    default: return -1;
  }
}

}  // namespace zorn
