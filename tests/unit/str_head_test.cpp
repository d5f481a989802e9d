// The head a shared text keeps beside its buffer (size and first bytes):
// equality and size must read the same whether a text is wholly in its
// head, just past it, or far longer, and whatever the bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/str.h"

namespace zorn {
namespace {

// Texts of every size around the head's end, alike in all bytes but one.
std::vector<std::string> AroundTheHead() {
  std::vector<std::string> texts;
  for (size_t size = 1; size <= TStr::kHeadBytes + 3; ++size) {
    const std::string base(size, 'a');
    texts.push_back(base);
    for (size_t at = 0; at < size; ++at) {
      std::string other = base;
      other[at] = 'b';
      texts.push_back(other);
    }
  }
  return texts;
}

TEST(TextHead, EqualityAtTheEndOfTheHeadIsByteExact) {
  const std::vector<std::string> texts = AroundTheHead();
  for (const std::string& x : texts) {
    for (const std::string& y : texts) {
      // Separate buffers, so that no comparison is decided by sharing.
      EXPECT_EQ(TStr(x) == TStr(y), x == y) << x << " / " << y;
    }
  }
}

TEST(TextHead, BytesWithTheHighBitSet) {
  // CP1251 Cyrillic, and bytes 0x80 and 0xff next to others: a byte taken
  // as signed would spill into its neighbours in the head.
  const std::vector<std::string> texts = {
      "\xcc\xee\xf2\xee\xf0",          // Мотор
      "\xcc\xee\xf2\xee\xf0\xfb",      // Моторы
      "\xec\xee\xf2\xee\xf0",          // мотор
      "\xff" "a", "\xff\xff", "a\xff", "\x80", "\x80\x80", "\xff",
      "\xff\xff\xff\xff\xff\xff\xff",  // a full head of 0xff
      "\xff\xff\xff\xff\xff\xff\xfe",
      "\xff\xff\xff\xff\xff\xff\xff\xff",
      "\xff\xff\xff\xff\xff\xff\xff\xfe",
  };
  for (const std::string& x : texts) {
    for (const std::string& y : texts) {
      EXPECT_EQ(TStr(x) == TStr(y), x == y) << x << " / " << y;
    }
  }
}

TEST(TextHead, ZeroBytesAndSizesTellTextsApart) {
  const std::string nul(1, '\0');
  EXPECT_FALSE(TStr("a") == TStr("a" + nul));
  EXPECT_FALSE(TStr(nul) == TStr(nul + nul));
  EXPECT_TRUE(TStr("ab" + nul + "c") == TStr("ab" + nul + "c"));
  EXPECT_FALSE(TStr(std::string(7, 'x') + nul) == TStr(std::string(7, 'x')));
  EXPECT_FALSE(TStr(nul) == TStr());
}

TEST(TextHead, LongTextsOfTheSameStartDifferBySizeOrTail) {
  // From 255 bytes on the head keeps no exact size.
  for (size_t size : {254u, 255u, 256u, 300u}) {
    const std::string text(size, 'x');
    EXPECT_TRUE(TStr(text) == TStr(text)) << size;
    EXPECT_FALSE(TStr(text) == TStr(text + "x")) << size;
    EXPECT_FALSE(TStr(text + "x") == TStr(text)) << size;
    EXPECT_FALSE(TStr(text) == TStr(text.substr(1) + "y")) << size;
    EXPECT_EQ(TStr(text).size(), size);
  }
}

TEST(TextHead, SizeWithoutTheBuffer) {
  EXPECT_EQ(TStr().size(), 0u);
  for (size_t size = 1; size <= 20; ++size) {
    EXPECT_EQ(TStr(std::string(size, '\xff')).size(), size);
  }
}

TEST(TextHead, CopiesMovesAndPartsKeepTheirHead) {
  const TStr line("1;12;" + std::string(20, 'v') + ";rest");
  const TStrSplit* split = line.Split(';', 0, 3);
  // Parts are made inside the split, apart from the texts they equal.
  EXPECT_TRUE(split->Parts[0] == TStr("1"));
  EXPECT_TRUE(split->Parts[1] == TStr("12"));
  EXPECT_FALSE(split->Parts[1] == TStr("13"));
  EXPECT_TRUE(split->Parts[2] == TStr(std::string(20, 'v')));
  EXPECT_FALSE(split->Parts[2] == TStr(std::string(19, 'v') + "w"));
  EXPECT_TRUE(split->Rest == TStr("rest"));
  EXPECT_EQ(split->Parts[2].size(), 20u);

  TStr copy = split->Parts[1];
  EXPECT_TRUE(copy == TStr("12"));
  TStr moved = std::move(copy);
  EXPECT_TRUE(moved == TStr("12"));
  EXPECT_TRUE(copy.empty());
  EXPECT_TRUE(copy == TStr());
  EXPECT_EQ(copy.size(), 0u);
  moved = TStr("other");
  EXPECT_TRUE(moved == TStr("other"));
  moved.clear();
  EXPECT_TRUE(moved == TStr());
  EXPECT_EQ(moved.size(), 0u);
}

}  // namespace
}  // namespace zorn
