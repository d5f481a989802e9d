// Conversions between values and their text and numeric forms. None fails:
// text that is not a number yields its numeric prefix, other kinds a neutral
// value.
#include <cmath>
#include <cstdint>
#include <string>

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

// 10 raised to `e` by repeated squaring; negative exponents square 0.1.
double PowerOfTen(int32_t e) {
  double base = e < 0 ? 0.1 : 10.0;
  uint32_t n = e < 0 ? 0u - static_cast<uint32_t>(e) : static_cast<uint32_t>(e);
  double result = 1.0;
  while (n) {
    if (n & 1u) result *= base;
    base *= base;
    n >>= 1;
  }
  return result;
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
  double acc = 0.0;
  double scale = 1.0;
  bool fraction = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (IsDigit(c)) {
      int digit = c - '0';
      if (fraction) {
        scale = scale * 0.1;
        acc = acc + digit * scale;
      } else {
        acc = acc * 10.0 + digit;
      }
    } else if (c == '.' && !fraction) {
      fraction = true;
    } else if (c == 'E' || c == 'e') {
      acc = acc * PowerOfTen(StrToInt(s.substr(i + 1)));
      break;
    } else {
      break;
    }
  }
  return negative ? -acc : acc;
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
