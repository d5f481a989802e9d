#include "elements/str_mask.h"

#include <array>
#include <vector>

#include "elements/cyrillic_case.h"

namespace zorn {
namespace {

// Pieces of a mask between two stars are matched greedily at their leftmost
// place. Since every other mask character stands for exactly one text
// character, that finds a match whenever the shortest-first trial of the
// rules does, without trying any position twice.

constexpr std::array<unsigned char, 256> MakeIdentity() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  return t;
}
constexpr std::array<unsigned char, 256> kIdentity = MakeIdentity();

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Longer pieces are searched bit-parallel rather than position by position.
constexpr size_t kShortPiece = 16;

class TMatcher {
 public:
  explicit TMatcher(const unsigned char* fold) : fold_(fold) {}

  bool Accepts(unsigned char m, unsigned char t) const {
    if (m == '?') return true;
    if (m == '#') return IsDigit(t);
    return fold_[m] == fold_[t];
  }

  // The piece matches the text starting at `at`; the caller ensures it fits.
  bool PieceAt(std::string_view piece, std::string_view text, size_t at) const {
    for (size_t j = 0; j < piece.size(); ++j) {
      if (!Accepts(piece[j], text[at + j])) return false;
    }
    return true;
  }

  // Leftmost start at or after `from` where the piece lies wholly inside
  // `text`; npos when there is none.
  size_t Find(std::string_view piece, std::string_view text, size_t from) const {
    if (piece.size() > text.size() || from > text.size() - piece.size()) {
      return std::string_view::npos;
    }
    if (piece.size() > kShortPiece) return FindLong(piece, text, from);
    const size_t last = text.size() - piece.size();
    for (size_t s = from; s <= last; ++s) {
      if (PieceAt(piece, text, s)) return s;
    }
    return std::string_view::npos;
  }

 private:
  // Shift-And: bit j of the state is set while piece[0..j] matches the text
  // ending at the current character.
  size_t FindLong(std::string_view piece, std::string_view text, size_t from) const {
    const size_t length = piece.size();
    const size_t words = (length + 63) / 64;
    std::vector<uint64_t> literal(256 * words, 0), any(words, 0), digit(words, 0);
    for (size_t j = 0; j < length; ++j) {
      const unsigned char m = piece[j];
      const uint64_t bit = uint64_t{1} << (j % 64);
      if (m == '?') {
        any[j / 64] |= bit;
      } else if (m == '#') {
        digit[j / 64] |= bit;
      } else {
        literal[fold_[m] * words + j / 64] |= bit;
      }
    }
    const uint64_t top = uint64_t{1} << ((length - 1) % 64);
    std::vector<uint64_t> state(words, 0);
    for (size_t i = from; i < text.size(); ++i) {
      const unsigned char c = text[i];
      const uint64_t* lit = &literal[fold_[c] * words];
      const bool isDigit = IsDigit(c);
      uint64_t carry = 1;  // a match may start at every character
      for (size_t w = 0; w < words; ++w) {
        const uint64_t next = (state[w] << 1) | carry;
        carry = state[w] >> 63;
        state[w] = next & (lit[w] | any[w] | (isDigit ? digit[w] : 0));
      }
      if (state[words - 1] & top) return i + 1 - length;
    }
    return std::string_view::npos;
  }

  const unsigned char* fold_;
};

}  // namespace

bool MaskMatches(std::string_view text, std::string_view mask, TCaseMode mode) {
  const TMatcher m(mode == TCaseMode::IgnoreCase ? LowerCyrillicTable() : kIdentity.data());
  const size_t firstStar = mask.find('*');
  if (firstStar == std::string_view::npos) {
    return text.size() == mask.size() && m.PieceAt(mask, text, 0);
  }
  // The pieces before the first and after the last star are anchored to the
  // two ends of the text; those between are found left to right.
  const size_t lastStar = mask.rfind('*');
  const std::string_view head = mask.substr(0, firstStar);
  const std::string_view tail = mask.substr(lastStar + 1);
  if (head.size() + tail.size() > text.size()) return false;
  const size_t tailAt = text.size() - tail.size();
  if (!m.PieceAt(head, text, 0) || !m.PieceAt(tail, text, tailAt)) return false;
  const std::string_view middle = text.substr(0, tailAt);
  size_t pos = head.size();
  for (size_t i = firstStar + 1; i < lastStar;) {
    const size_t star = mask.find('*', i);
    const std::string_view piece = mask.substr(i, star - i);
    if (!piece.empty()) {
      const size_t at = m.Find(piece, middle, pos);
      if (at == std::string_view::npos) return false;
      pos = at + piece.size();
    }
    i = star + 1;
  }
  return true;
}

void TZEStrMask::Check(TData& data, uint16_t) {
  // The text goes on shared, so the receivers of one line split it once.
  TStr text = ReadText(data, Text, TStr());
  const bool hit =
      MaskMatches(text.str(), Mask, IgnoreCase ? TCaseMode::IgnoreCase : TCaseMode::Exact);
  ForwardStr(data, hit ? OnMatch : OnNoMatch, std::move(text));
}

}  // namespace zorn
