// Data outputs that lend their texts, the comparison that borrows them, and
// taking a text out of the received record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "support/elements.h"

namespace zorn {
namespace {

using test::TProbe;
using Seen = std::vector<std::string>;

class LendText : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    for (TZEMultiStrPart* p : {&line, &record}) {
      p->Delimiter = ";";
      p->SetCount(3);
    }
  }
  static void SplitText(TZEMultiStrPart& part, const std::string& text) {
    FireStr(MakeWire(0, &TZEMultiStrPart::Split, &part), text);
  }
  // What Part answers for `index`, and what it lends, both as described by
  // TProbe.
  static std::string Answered(TZEMultiStrPart& part, uint16_t index) {
    TData d;
    part.Part(d, index);
    return TProbe::Describe(d);
  }
  static std::string Lent(TZEMultiStrPart& part, uint16_t index) {
    const TStr* text = BorrowText(MakeWire(index, &TZEMultiStrPart::Part, &part));
    return text ? "str " + text->str() : "no loan";
  }

  TZEMultiStrPart line, record;
};

TEST_F(LendText, APartLendsWhatItAnswers) {
  auto check = [&](const char* when) {
    for (uint16_t i = 0; i < 5; ++i) EXPECT_EQ(Lent(line, i), Answered(line, i)) << when << i;
  };
  check("before any split ");
  SplitText(line, "1;12;" + std::string(20, 'v') + ";rest");
  EXPECT_EQ(Lent(line, 2), "str " + std::string(20, 'v'));
  check("after a split ");
  SplitText(line, "1;2");
  check("after a shorter text ");
  SplitText(line, "plain");
  check("after a text without the delimiter ");
}

TEST_F(LendText, OnlyPartLendsAndOnlyWhileDispatchIsLive) {
  EXPECT_NE(MakeWire(0, &TZEMultiStrPart::Part, &line).LentTexts, nullptr);
  EXPECT_EQ(MakeWire(0, &TZEMultiStrPart::Split, &line).LentTexts, nullptr);
  test::TSource source;
  MakeStr(source.Answer, "x");
  EXPECT_EQ(BorrowText(MakeWire(0, &test::TSource::Value, &source)), nullptr);
  EXPECT_EQ(BorrowText(TWire{}), nullptr);
  ResetDispatchForTests();
  EXPECT_EQ(BorrowText(MakeWire(0, &TZEMultiStrPart::Part, &line)), nullptr);
}

// The comparison of two lent texts decides as that of the records read.
TEST_F(LendText, IfElseOnLentTextsDecidesAsOnRecords) {
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"1", "1"},       {"1", "2"},         {"abc", "ABC"},     {"ab", "abc"},
      {"10", "9"},      {"", "a"},          {"a", ""},          {"", ""},
      {"\xff", "z"},    {"\xff", "\xdf"},   {"1234567", "1234567"},
      {"1234567", "12345678"},              {"12345678", "12345679"},
  };
  TZEIf_else cmp;
  cmp.Op1Input = MakeWire(0, &TZEMultiStrPart::Part, &line);
  cmp.Op2Input = MakeWire(0, &TZEMultiStrPart::Part, &record);
  TProbe yes, no;
  cmp.OnTrue = MakeWire(0, &TProbe::Take, &yes);
  cmp.OnFalse = MakeWire(1, &TProbe::Take, &no);
  const TWire in = MakeWire(0, &TZEIf_else::Compare, &cmp);
  for (const auto& [x, y] : pairs) {
    SplitText(line, x + ";");
    SplitText(record, y + ";");
    ASSERT_NE(BorrowText(cmp.Op1Input), nullptr);
    TData a, b;
    MakeStr(a, x);
    MakeStr(b, y);
    for (uint8_t mode = cmEqual; mode <= cmNotEqual; ++mode) {
      cmp.Type = mode;
      yes.Seen.clear();
      no.Seen.clear();
      // The received record goes on unchanged, chain and all.
      TData tail, received;
      MakeInt(tail, 5);
      MakeStr(received, "received");
      received.Next = &tail;
      Fire(in, received);
      const bool holds = CompareValues(a, b, mode);
      EXPECT_EQ(yes.Seen, holds ? Seen{"str received"} : Seen{}) << x << " " << y << " " << +mode;
      EXPECT_EQ(no.Seen, holds ? Seen{} : Seen{"str received"}) << x << " " << y << " " << +mode;
      EXPECT_EQ(received.Next, &tail);
    }
  }
}

using TakeTextTest = test::RuntimeTest;

TEST_F(TakeTextTest, ALoneTextRecordGivesUpItsText) {
  TData data;
  MakeStr(data, "line");
  const TStr got = TakeText(data, TWire{});
  EXPECT_EQ(got.str(), "line");
  EXPECT_EQ(data.Kind, dtNull);
  EXPECT_TRUE(data.StrValue.empty());
  EXPECT_TRUE(TakeText(data, TWire{}).empty());
}

TEST_F(TakeTextTest, ChainsAndSourcesAreReadAsReadTextReadsThem) {
  TData second;
  MakeInt(second, 7);
  TData data;
  MakeStr(data, "first");
  data.Next = &second;
  EXPECT_EQ(TakeText(data, TWire{}).str(), "first");
  EXPECT_EQ(data.Kind, dtInt);
  EXPECT_EQ(TakeText(data, TWire{}).str(), "7");
  EXPECT_EQ(data.Kind, dtNull);

  test::TSource source;
  MakeStr(source.Answer, "answer");
  MakeStr(data, "record");
  EXPECT_EQ(TakeText(data, MakeWire(0, &test::TSource::Value, &source)).str(), "answer");
  EXPECT_EQ(data.Kind, dtStr);
  EXPECT_EQ(data.StrValue.str(), "record");
}

}  // namespace
}  // namespace zorn
