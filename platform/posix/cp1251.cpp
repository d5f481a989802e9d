#include "platform/posix/cp1251.h"

namespace zorn::platform {
namespace {

// Unicode of CP1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
// 0x98 is unassigned and maps to U+0098, as Windows does.
constexpr char16_t kHigh[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t ToUnicode(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHigh[b - 0x80];
}

char FromUnicode(char32_t u) {
  if (u < 0x80) return static_cast<char>(u);
  if (u >= 0x0410 && u <= 0x044F) return static_cast<char>(0xC0 + (u - 0x0410));
  for (int i = 0; i < 64; ++i) {
    if (kHigh[i] == u) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

}  // namespace

std::string Cp1251ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1251(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    size_t len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    char32_t u = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool ok = len != 0 && i + len <= text.size();
    for (size_t k = 1; ok && k < len; ++k) {
      unsigned char cont = static_cast<unsigned char>(text[i + k]);
      ok = (cont & 0xC0) == 0x80;
      u = (u << 6) | (cont & 0x3F);
    }
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    out += FromUnicode(u);
    i += len;
  }
  return out;
}

}  // namespace zorn::platform
