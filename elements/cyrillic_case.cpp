#include "elements/cyrillic_case.h"

#include <array>

namespace zorn {
namespace {

constexpr std::array<unsigned char, 256> MakeLowerTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = static_cast<unsigned char>(c + 32);
  for (int c = 0xC0; c <= 0xDF; ++c) t[c] = static_cast<unsigned char>(c + 32);  // А-Я
  // The capitals outside the two contiguous ranges, with their small letters.
  constexpr unsigned char pairs[][2] = {
      {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
      {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
      {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
  };
  for (const auto& p : pairs) t[p[0]] = p[1];
  return t;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

}  // namespace

unsigned char LowerCyrillicChar(unsigned char c) { return kLower[c]; }

const unsigned char* LowerCyrillicTable() { return kLower.data(); }

std::string LowerCyrillic(std::string s) {
  for (char& c : s) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
  return s;
}

}  // namespace zorn
