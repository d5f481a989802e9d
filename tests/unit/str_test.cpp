// Shared texts: equality, the splits a text keeps and how long their parts
// live, and reading a text input without a copy.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "elements/str_split.h"
#include "support/elements.h"

namespace zorn {
namespace {

using Texts = std::vector<std::string>;
using test::PartsOf;

TEST(TextEquality, ComparesBytesWhateverTheBuffer) {
  EXPECT_TRUE(TStr() == TStr());
  EXPECT_TRUE(TStr("") == TStr());
  EXPECT_FALSE(TStr("a") == TStr());
  EXPECT_FALSE(TStr() == TStr("a"));
  EXPECT_TRUE(TStr("12") == TStr("12"));
  EXPECT_FALSE(TStr("12") == TStr("13"));
  EXPECT_FALSE(TStr("12") == TStr("123"));
  EXPECT_FALSE(TStr("a") == TStr("A"));
  const TStr text("Мотор");
  const TStr copy = text;
  EXPECT_TRUE(text == copy);
  // Beyond a few bytes the comparison takes another way; a difference in
  // the last byte or after a zero byte still counts.
  const std::string long_text(40, 'x');
  EXPECT_TRUE(TStr(long_text) == TStr(long_text));
  EXPECT_FALSE(TStr(long_text) == TStr(long_text.substr(1) + "y"));
  EXPECT_FALSE(TStr(std::string("ab\0c", 4)) == TStr(std::string("ab\0d", 4)));
  EXPECT_TRUE(TStr(std::string("ab\0c", 4)) == TStr(std::string("ab\0c", 4)));
}

TEST(TextEquality, EmptyTextsHaveNoBufferAndReadAsEmpty) {
  const TStr none;
  const TStr made{std::string()};
  for (const TStr* t : {&none, &made}) {
    EXPECT_TRUE(t->empty());
    EXPECT_EQ(t->size(), 0u);
    EXPECT_EQ(t->str(), "");
    EXPECT_STREQ(t->c_str(), "");
    EXPECT_EQ(t->Split(';', 0, 2), nullptr);
    EXPECT_EQ(t->FoundSplit(';', 0, 2), nullptr);
  }
  EXPECT_EQ(&none.str(), &made.str());
}

TEST(TextSplitFinding, FindsOnlyASplitMadeWithTheSameSettings) {
  const TStr line("1;12;5;7");
  EXPECT_EQ(line.FoundSplit(';', 0, 3), nullptr);
  const TStrSplit* three = line.Split(';', 0, 3);
  EXPECT_EQ(line.FoundSplit(';', 0, 3), three);
  EXPECT_EQ(TStr(line).FoundSplit(';', 0, 3), three);
  EXPECT_EQ(line.FoundSplit(',', 0, 3), nullptr);
  EXPECT_EQ(line.FoundSplit(';', 1, 3), nullptr);
  EXPECT_EQ(line.FoundSplit(';', 0, 2), nullptr);
  const TStrSplit* two = line.Split(';', 0, 2);
  EXPECT_EQ(line.FoundSplit(';', 0, 2), two);
  EXPECT_EQ(line.FoundSplit(';', 0, 3), three);
  // A negative count keeps no part, as a count of 0 does.
  const TStrSplit* none = line.Split(';', 1, -4);
  EXPECT_TRUE(none->Parts.empty());
  EXPECT_EQ(none->Rest.str(), "12;5;7");
  EXPECT_EQ(line.FoundSplit(';', 1, 0), none);
}

TEST(TextSplitFinding, ASplitTellsWhetherTheTextHasTheDelimiter) {
  const TStr text("a;b");
  const TStrSplit* comma = text.Split(',', 0, 2);
  EXPECT_FALSE(comma->Delimited);
  EXPECT_EQ(PartsOf(comma), (Texts{"a;b", ""}));
  EXPECT_TRUE(text.Split(';', 0, 2)->Delimited);
  // Skipping every field still leaves a text with the delimiter.
  const TStrSplit* skipped = text.Split(';', 5, 1);
  EXPECT_TRUE(skipped->Delimited);
  EXPECT_EQ(PartsOf(skipped), (Texts{""}));
  EXPECT_EQ(skipped->Rest.str(), "");
}

TEST(TextSplitMemory, EmptyFieldsAreEmptyTexts) {
  const TStr text(";x;;");
  const TStrSplit* s = text.Split(';', 0, 5);
  EXPECT_EQ(PartsOf(s), (Texts{"", "x", "", "", ""}));
  EXPECT_TRUE(s->Parts[0].empty());
  EXPECT_TRUE(s->Parts[2].empty());
  EXPECT_TRUE(s->Parts[4].empty());
  EXPECT_TRUE(s->Rest.empty());
  EXPECT_TRUE(s->Parts[0] == TStr());
}

TEST(TextSplitMemory, PartsAndRestOutliveTheirText) {
  auto text = std::make_unique<TStr>("unit_3;1;" + std::string(30, 'b') + ";" + std::string(20, 'r'));
  const TStrSplit* s = text->Split(';', 0, 3);
  TStr key = s->Parts[0];
  TStr longPart = s->Parts[2];
  TStr rest = s->Rest;
  text.reset();
  EXPECT_EQ(key.str(), "unit_3");
  EXPECT_EQ(longPart.str(), std::string(30, 'b'));
  EXPECT_EQ(rest.str(), std::string(20, 'r'));
  // Released one by one, in an order unlike the one they were made in.
  longPart.clear();
  EXPECT_EQ(key.str(), "unit_3");
  EXPECT_EQ(rest.str(), std::string(20, 'r'));
  TStr keyCopy = key;
  key = TStr();
  rest.clear();
  EXPECT_EQ(keyCopy.str(), "unit_3");
}

TEST(TextSplitMemory, APartSplitAgainKeepsItsOwnParts) {
  auto text = std::make_unique<TStr>("a,b,c;rest");
  TStr part = text->Split(';', 0, 1)->Parts[0];
  const TStrSplit* inner = part.Split(',', 1, 1);
  EXPECT_EQ(PartsOf(inner), (Texts{"b"}));
  EXPECT_EQ(inner->Rest.str(), "c");
  EXPECT_EQ(part.FoundSplit(',', 1, 1), inner);
  TStr b = inner->Parts[0];
  TStr c = inner->Rest;
  text.reset();
  EXPECT_EQ(part.Split(',', 1, 1), inner);  // the part, and its split, live on
  part.clear();
  EXPECT_EQ(b.str(), "b");
  EXPECT_EQ(c.str(), "c");
}

TEST(TextSplitMemory, ManySplitsOfOneTextGoWithIt) {
  auto text = std::make_unique<TStr>("1;2;3;4;5;6");
  std::vector<TStr> kept;
  for (int32_t skip = 0; skip < 4; ++skip) {
    for (int32_t count = 0; count < 4; ++count) {
      const TStrSplit* s = text->Split(';', skip, count);
      EXPECT_EQ(text->Split(';', skip, count), s);
      if (count > 0) kept.push_back(s->Parts[0]);
    }
  }
  text.reset();
  Texts firsts;
  for (const TStr& k : kept) firsts.push_back(k.str());
  EXPECT_EQ(firsts, (Texts{"1", "1", "1", "2", "2", "2", "3", "3", "3", "4", "4", "4"}));
}

// The splitting element trusts a kept split to know the delimiter.
using TextSplitElement = test::RuntimeTest;

TEST_F(TextSplitElement, ATextWithoutTheDelimiterGoesOnNoDelimiterEvenWhenSplitBefore) {
  TZEMultiStrPart part;
  part.Delimiter = ";";
  part.SetCount(2);
  test::TProbe split, none;
  part.OnSplit = MakeWire(0, &test::TProbe::Take, &split);
  part.OnNoDelimiter = MakeWire(0, &test::TProbe::Take, &none);
  const TStr plain("plain");
  ASSERT_NE(plain.Split(';', 0, 2), nullptr);  // kept, without the delimiter
  const TWire in = MakeWire(0, &TZEMultiStrPart::Split, &part);
  FireStr(in, plain);
  FireStr(in, plain);
  FireStr(in, "a;b;c");
  FireStr(in, plain);
  EXPECT_EQ(none.Seen, (Texts{"str plain", "str plain", "str plain"}));
  EXPECT_EQ(split.Seen, (Texts{"str c"}));
  TData p;
  part.Part(p, 0);
  EXPECT_EQ(ToStr(p), "");
}

// ReadText: a lone text record is taken without a copy; every other case
// falls back as the other reads do.
using ReadTextTest = test::RuntimeTest;

TEST_F(ReadTextTest, ALoneTextRecordIsTakenAndBecomesNull) {
  TData data;
  MakeStr(data, "line");
  const TStr got = ReadText(data, TWire{}, TStr());
  EXPECT_EQ(got.str(), "line");
  EXPECT_EQ(data.Kind, dtNull);
  EXPECT_TRUE(ReadText(data, TWire{}, TStr()).empty());  // Null gives the default
}

TEST_F(ReadTextTest, AChainedRecordMovesItsNextValueUp) {
  TData second;
  MakeInt(second, 7);
  TData data;
  MakeStr(data, "first");
  data.Next = &second;
  EXPECT_EQ(ReadText(data, TWire{}, TStr()).str(), "first");
  EXPECT_EQ(data.Kind, dtInt);
  EXPECT_EQ(data.IntValue, 7);
  EXPECT_EQ(ReadText(data, TWire{}, TStr()).str(), "7");
  EXPECT_EQ(data.Kind, dtNull);
}

TEST_F(ReadTextTest, ADefaultOrAWiredSourceComesFirst) {
  TData data;
  MakeStr(data, "record");
  EXPECT_EQ(ReadText(data, TWire{}, TStr("default")).str(), "default");
  EXPECT_EQ(data.Kind, dtStr);  // not consumed
  test::TSource source;
  MakeInt(source.Answer, 12);
  const TWire wire = MakeWire(0, &test::TSource::Value, &source);
  EXPECT_EQ(ReadText(data, wire, TStr()).str(), "12");
  EXPECT_EQ(data.Kind, dtStr);
  source.Answer.Kind = dtNoSource;
  EXPECT_EQ(ReadText(data, wire, TStr()).str(), "record");
  EXPECT_EQ(data.Kind, dtNull);
}

}  // namespace
}  // namespace zorn
