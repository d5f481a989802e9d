// The wildcard mask element and the Cyrillic case folding it uses.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "elements/cyrillic_case.h"
#include "elements/str_mask.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;

// The matching procedure exactly as the rules state it: an end marker of
// code 1 on both strings and a shortest-first trial at every star. Slow on
// purpose; the tests compare the real matcher with it.
bool RulesMatch(const std::string& t, size_t i, const std::string& m, size_t j) {
  while (i < t.size() && j < m.size()) {
    const char mc = m[j];
    if (mc == '*') {
      if (RulesMatch(t, i, m, j + 1)) return true;
      ++i;
    } else if (mc == '#') {
      if (t[i] < '0' || t[i] > '9') break;
      ++i, ++j;
    } else if (mc == '?' || mc == t[i]) {
      ++i, ++j;
    } else {
      break;
    }
  }
  return i == t.size() && j == m.size();
}

bool ByRules(std::string text, std::string mask, TCaseMode mode) {
  if (mode == TCaseMode::IgnoreCase) {
    text = LowerCyrillic(text);
    mask = LowerCyrillic(mask);
  }
  return RulesMatch(text + '\x01', 0, mask + '\x01', 0);
}

bool Match(const std::string& text, const std::string& mask) {
  return MaskMatches(text, mask, TCaseMode::IgnoreCase);
}

TEST(StrMaskRules, ReplyAndRecordLines) {
  EXPECT_TRUE(Match("1;12;5", "#;*;*"));
  EXPECT_TRUE(Match("1;;", "#;*;*"));
  EXPECT_TRUE(Match("1;12;345;7", "#;*;*"));  // the last star takes ";" as well
  EXPECT_FALSE(Match("12;1;5", "#;*;*"));     // "#" is one digit, never two
  EXPECT_FALSE(Match("10;1;5", "#;*;*"));
  EXPECT_FALSE(Match("1;5", "#;*;*"));
  EXPECT_TRUE(Match("unit_3=1;12;1;0;Мотор;70;1", "unit*=#;*;*;#;*;*;#"));
  EXPECT_TRUE(Match("UNIT_3=1;12;1;0;Мотор;70;1", "unit*=#;*;*;#;*;*;#"));
  EXPECT_FALSE(Match("unit_3=1;12;1;0;Мотор;70;11", "unit*=#;*;*;#;*;*;#"));
  EXPECT_FALSE(Match("unit_3=1;12;1;0;Мотор;70", "unit*=#;*;*;#;*;*;#"));
  EXPECT_TRUE(Match("event_2=1;5;1;2;Авария;3;C:\\a.wav", "event*=#;*;*;#;*;#;*"));
  EXPECT_TRUE(Match("1;12;Насос;1;Работа;;0", "#;*;*;#;*;*;#"));
}

TEST(StrMaskRules, StarsQuestionMarksAndEmptyTexts) {
  EXPECT_TRUE(Match("", "*"));
  EXPECT_TRUE(Match("", "***"));
  EXPECT_TRUE(Match("", ""));
  EXPECT_FALSE(Match("a", ""));
  EXPECT_FALSE(Match("", "?"));
  EXPECT_TRUE(Match("a", "a*"));
  EXPECT_TRUE(Match("x;y;7", "*;#"));
  EXPECT_FALSE(Match("x;y;z", "*;#"));
  EXPECT_TRUE(Match("abc", "?b?"));
  EXPECT_FALSE(Match("ab", "?b?"));  // a mask longer than the text fails
  EXPECT_FALSE(Match("abcd", "?b?"));
  EXPECT_TRUE(Match("a*b", "a?b"));  // a star in the text is an ordinary character
  EXPECT_TRUE(Match("ab", "a**b"));
}

TEST(StrMaskRules, CaseFoldingOnlyWhenAsked) {
  EXPECT_TRUE(MaskMatches("ABC", "abc", TCaseMode::IgnoreCase));
  EXPECT_FALSE(MaskMatches("ABC", "abc", TCaseMode::Exact));
  EXPECT_TRUE(MaskMatches("ЁЖИК", "ёжик", TCaseMode::IgnoreCase));
  EXPECT_TRUE(MaskMatches("ёжик", "ЁЖИК*", TCaseMode::IgnoreCase));
  EXPECT_FALSE(MaskMatches("ЁЖИК", "ёжик", TCaseMode::Exact));
  // Long pieces go through the bit-parallel search; folding applies there too.
  const std::string piece = "ПЕРЕГРЕВ ДВИГАТЕЛЯ НАСОСА";
  EXPECT_TRUE(MaskMatches("1;7;перегрев двигателя насоса;x", "*" + piece + "*", TCaseMode::IgnoreCase));
  EXPECT_FALSE(MaskMatches("1;7;перегрев двигателя насоса;x", "*" + piece + "*", TCaseMode::Exact));
}

// Every mask and text over a small alphabet up to a few characters, and
// random longer ones, give what the rules give. The alphabet holds the end
// marker, a NUL and a letter with a case partner, so none of them is special.
TEST(StrMaskRules, SameResultAsTheRulesEverywhere) {
  const std::string maskChars = std::string("ab1*?#;A\x01", 9) + '\0';
  const std::string textChars = std::string("ab1;A*\x01", 7) + '\0';
  std::mt19937 rng(20240601);
  auto random = [&](const std::string& alphabet, size_t maxLength) {
    std::string s(std::uniform_int_distribution<size_t>(0, maxLength)(rng), ' ');
    for (char& c : s) c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
    return s;
  };
  int mismatches = 0;
  for (int n = 0; n < 200000 && mismatches < 5; ++n) {
    const std::string mask = random(maskChars, n < 100000 ? 5 : 10);
    const std::string text = random(textChars, n < 100000 ? 6 : 14);
    for (TCaseMode mode : {TCaseMode::Exact, TCaseMode::IgnoreCase}) {
      if (MaskMatches(text, mask, mode) != ByRules(text, mask, mode)) {
        ++mismatches;
        ADD_FAILURE() << "mask '" << mask << "' text '" << text << "'";
      }
    }
  }
}

// Pieces longer than the short-piece limit, with wildcards at the word
// boundaries of the bit-parallel state.
TEST(StrMaskRules, LongPiecesSameAsTheRules) {
  std::mt19937 rng(7);
  auto pick = [&](const char* alphabet, size_t n) {
    std::string s(n, ' ');
    for (char& c : s) c = alphabet[std::uniform_int_distribution<int>(0, 2)(rng)];
    return s;
  };
  for (int n = 0; n < 3000; ++n) {
    const size_t length = std::uniform_int_distribution<size_t>(17, 140)(rng);
    std::string piece = pick("ab?", length);
    std::string text = pick("ab1", length * 2 + 5);
    // Plant the piece (with its wildcards filled), at times with a "1"
    // right after it, so that some tries hit.
    if (n % 2 == 0) {
      size_t at = std::uniform_int_distribution<size_t>(0, text.size() - length - 1)(rng);
      for (size_t j = 0; j < length; ++j) {
        if (piece[j] != '?') text[at + j] = piece[j];
      }
      if (n % 4 == 0) text[at + length] = '1';
    }
    if (n % 3 == 0) piece[length / 2] = '#';
    // A piece after the long one depends on where the long one ended.
    const std::string mask = n % 2 ? "a*" + piece + "*" : "*" + piece + "*1*";
    ASSERT_EQ(MaskMatches(text, mask, TCaseMode::Exact), ByRules(text, mask, TCaseMode::Exact))
        << "mask '" << mask << "' text '" << text << "'";
  }
}

// Masks that make a backtracking matcher take exponential time finish at
// once here; the test would hit its time-out otherwise.
TEST(StrMaskRules, HostileMasksFinish) {
  const std::string as(20000, 'a');
  std::string stars;
  for (int i = 0; i < 40; ++i) stars += "*a";
  EXPECT_FALSE(MaskMatches(as, stars + "*b", TCaseMode::Exact));
  EXPECT_TRUE(MaskMatches(as, stars + "*", TCaseMode::Exact));
  EXPECT_FALSE(MaskMatches(as, "*" + std::string(5000, 'a') + "b*", TCaseMode::Exact));
  EXPECT_FALSE(MaskMatches(as, "*" + std::string(3000, '?') + "#*", TCaseMode::IgnoreCase));
  EXPECT_TRUE(MaskMatches(as + "b", std::string(50000, '*') + "b", TCaseMode::Exact));
}

class StrMaskElement : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    mask.OnMatch = MakeWire(0, &TProbe::Take, &match);
    mask.OnNoMatch = MakeWire(0, &TProbe::Take, &noMatch);
  }
  TZEStrMask mask;
  TProbe match, noMatch;
};

TEST_F(StrMaskElement, SendsTheTextAsReadNotFolded) {
  mask.Mask = "#;*;*";
  mask.IgnoreCase = true;
  FireStr(MakeWire(0, &TZEStrMask::Check, &mask), "1;12;АБВ");
  FireStr(MakeWire(0, &TZEStrMask::Check, &mask), "ERROR;3");
  test::TSource source;
  MakeStr(source.Answer, "5;Ab;C");
  mask.Text = MakeWire(0, &test::TSource::Value, &source);
  FireStr(MakeWire(0, &TZEStrMask::Check, &mask), "ignored");
  EXPECT_EQ(match.Seen, (std::vector<std::string>{"str 1;12;АБВ", "str 5;Ab;C"}));
  EXPECT_EQ(noMatch.Seen, (std::vector<std::string>{"str ERROR;3"}));
}

// The upper and lower alphabets are spelt here as UTF-8 and turned into
// CP1251 by the compiler, independently of our table.
TEST(StrCyrillicCase, LowersExactlyTheCapitalsOfTheCodePage) {
  const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЁЂЃЉЊЌЋЏЎЈҐЄЇІЅ";
  const std::string lower = "abcdefghijklmnopqrstuvwxyzабвгдежзийклмнопрстуфхцчшщъыьэюяёђѓљњќћџўјґєїіѕ";
  ASSERT_EQ(upper.size(), 73u);
  ASSERT_EQ(lower.size(), upper.size());
  EXPECT_EQ(LowerCyrillic(upper), lower);
  for (int c = 0; c < 256; ++c) {
    const size_t at = upper.find(static_cast<char>(c));
    const unsigned char expected =
        at == std::string::npos ? static_cast<unsigned char>(c) : static_cast<unsigned char>(lower[at]);
    EXPECT_EQ(LowerCyrillicChar(static_cast<unsigned char>(c)), expected) << "byte " << c;
  }
  EXPECT_EQ(LowerCyrillic(std::string("a\0Z", 3)), std::string("a\0z", 3));
}

}  // namespace
}  // namespace zorn
