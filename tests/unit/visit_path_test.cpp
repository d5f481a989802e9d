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
