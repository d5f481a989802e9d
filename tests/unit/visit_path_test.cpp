// The steps of a list visit that skip work: a forward to an unwired point
// sets no flag, the field splitter stores its parts with nothing wired to
// its events, and the enumerator of a lending list fires a record of its own
// beside the item it keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "support/elements.h"

namespace zorn::test {
namespace {

using Seen = std::vector<std::string>;
using VisitPath = RuntimeTest;

TEST_F(VisitPath, ForwardToAnUnwiredPointLeavesTheRecordUnflagged) {
  TData d;
  MakeStr(d, "x");
  ForwardTo(d, TWire{});
  EXPECT_EQ(d.Kind, dtStr);
  EXPECT_EQ(d.ForwardWire, nullptr);

  TPassOn next;
  const TWire wired = MakeWire(0, &TPassOn::Take, &next);
  ForwardTo(d, wired);
  EXPECT_EQ(d.Kind, dtStr | ForwardFlag);
  EXPECT_EQ(d.ForwardWire, &wired);
}

TEST_F(VisitPath, SplitStoresPartsWithNothingWiredToItsEvents) {
  TZEMultiStrPart p;
  p.Delimiter = ";";
  p.SetCount(3);
  TData line;
  MakeStr(line, "1;2;3;rest");
  Fire(MakeWire(0, &TZEMultiStrPart::Split, &p), line);
  EXPECT_EQ(PartTexts(p), (Seen{"1", "2", "3", ""}));
  // A text without the delimiter leaves no part of the one before.
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &p), "plain");
  EXPECT_EQ(PartTexts(p), (Seen{"", "", "", ""}));
}

TEST_F(VisitPath, SplitPartsReadEmptyWhileAWiredSourceIsAsked) {
  TZEMultiStrPart p;
  p.Delimiter = ";";
  p.SetCount(2);
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &p), "a;b");
  ASSERT_EQ(PartTexts(p), (Seen{"a", "b", "", ""}));
  Seen whileAsked;
  TCall source{[&](TData& answer, uint16_t) {
    whileAsked = PartTexts(p);
    MakeStr(answer, "c;d");
  }};
  p.Text = MakeWire(0, &TCall::Take, &source);
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &p), "ignored");
  EXPECT_EQ(whileAsked, (Seen{"", "", "", ""}));
  EXPECT_EQ(PartTexts(p), (Seen{"c", "d", "", ""}));
}

// A text split this way before goes the short way through the splitter;
// what it leaves in the record and how long its parts live stay those of
// the first split.
TEST_F(VisitPath, ATextSplitAgainLeavesTheRecordAsTheFirstSplitDid) {
  TZEStrList list;
  list.SetStrings("a;b;r1\r\nc;d;r2");
  TArrayIntf* array = ArrayOf(list);
  TZEMultiStrPart p;
  p.Delimiter = ";";
  p.SetCount(2);
  TProbe rest;
  auto visit = [&](int32_t i, TData* next = nullptr) {
    TData index, item;
    MakeInt(index, i);
    array->Get(array->Self, index, item);
    item.Next = next;
    Fire(MakeWire(0, &TZEMultiStrPart::Split, &p), item);
    return TProbe::Describe(item);
  };
  // Nothing wired to OnSplit: the text is taken and the record left Null,
  // or for a chain, its next value moved up.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(visit(0), "null") << round;
    EXPECT_EQ(PartTexts(p, 3), (Seen{"a", "b", ""})) << round;
    TData tail;
    MakeInt(tail, 5);
    EXPECT_EQ(visit(1, &tail), "int 5") << round;
    EXPECT_EQ(PartTexts(p, 3), (Seen{"c", "d", ""})) << round;
  }
  // With OnSplit wired, the rest goes on.
  p.OnSplit = MakeWire(0, &TProbe::Take, &rest);
  visit(0);
  visit(1);
  EXPECT_EQ(rest.Seen, (Seen{"str r1", "str r2"}));
  // The splitter holds the text it split: the list letting go of it leaves
  // the parts.
  visit(0);
  FireNull(MakeWire(0, &TZEStrList::Clear, &list));
  EXPECT_EQ(PartTexts(p, 3), (Seen{"a", "b", ""}));
}

TEST_F(VisitPath, EnumKeepsTheItemApartFromTheRecordItFires) {
  TZEStrList list;
  list.SetStrings("a\r\nb");
  TSource source;
  MakeArray(source.Answer, ArrayOf(list));
  TZEArrayEnum en;
  en.Array = MakeWire(0, &TSource::Value, &source);
  Seen seen;
  TCall visit{[&](TData& d, uint16_t) {
    const std::string received = ToStr(d);
    // The receiver overwrites its record and empties the list: the item
    // read for this visit stays.
    MakeInt(d, 7);
    FireNull(MakeWire(0, &TZEStrList::Clear, &list));
    TData item;
    en.Item(item, 0);
    seen.push_back(received + "/" + TProbe::Describe(item));
  }};
  en.OnItem = MakeWire(0, &TCall::Take, &visit);
  FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go");
  EXPECT_EQ(seen, (Seen{"a/str a"}));

  // Left as it is, each record is the list's own text, and so is the item.
  list.SetStrings("a\r\nb");
  seen.clear();
  visit.Fn = [&](TData& d, uint16_t) {
    TData item;
    en.Item(item, 0);
    seen.push_back(ToStr(d) + "/" + ToStr(item));
    EXPECT_EQ(d.StrValue.c_str(), item.StrValue.c_str());
    EXPECT_EQ(d.Next, nullptr);
  };
  FireStr(MakeWire(0, &TZEArrayEnum::Enum, &en), "go");
  EXPECT_EQ(seen, (Seen{"a/a", "b/b"}));
}

}  // namespace
}  // namespace zorn::test
