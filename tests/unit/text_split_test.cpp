// Shared texts: copies share one buffer, a text keeps the splits asked of it,
// and a list item's split follows the item when the list changes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "elements/str_list.h"
#include "elements/str_split.h"
#include "support/elements.h"

namespace zorn {
namespace {

using Parts = std::vector<std::string>;
using test::PartsOf;

TEST(TextShare, CopiesAndMovesKeepTheTextAlive) {
  const std::string long_text(100, 'x');
  auto first = std::make_unique<TStr>(long_text);
  TStr copy = *first;
  TStr assigned;
  assigned = copy;
  assigned = assigned;  // self-assignment keeps the text
  first.reset();
  EXPECT_EQ(copy.str(), long_text);
  EXPECT_EQ(assigned.str(), long_text);
  TStr moved = std::move(copy);
  EXPECT_TRUE(copy.empty());
  EXPECT_EQ(moved.str(), long_text);
  assigned = std::move(moved);
  EXPECT_EQ(assigned.str(), long_text);
  assigned = TStr("short");
  EXPECT_EQ(assigned.str(), "short");
  assigned.clear();
  EXPECT_TRUE(assigned.empty());
  EXPECT_EQ(assigned.size(), 0u);
}

TEST(TextSplit, CutsAsTheFieldCuttersDo) {
  const TStr line("1;;5;7;8");
  const TStrSplit* s = line.Split(';', 0, 3);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(PartsOf(s), (Parts{"1", "", "5"}));
  EXPECT_EQ(s->Rest.str(), "7;8");

  s = line.Split(';', 1, 2);
  EXPECT_EQ(PartsOf(s), (Parts{"", "5"}));
  EXPECT_EQ(s->Rest.str(), "7;8");

  // A split lives as long as its text.
  const TStr short_line("1;12");
  s = short_line.Split(';', 0, 3);
  EXPECT_EQ(PartsOf(s), (Parts{"1", "12", ""}));
  EXPECT_EQ(s->Rest.str(), "");

  const TStr ended("1;12;5;");
  s = ended.Split(';', 0, 3);
  EXPECT_EQ(PartsOf(s), (Parts{"1", "12", "5"}));
  EXPECT_EQ(s->Rest.str(), "");

  EXPECT_EQ(TStr().Split(';', 0, 3), nullptr);
}

TEST(TextSplit, IsMadeOnceAndSharedByCopiesOfTheText) {
  const TStr record("unit_3;1;12;1;0;Мотор;70;1");
  const TStrSplit* five = record.Split(';', 0, 5);
  const TStr copy = record;
  EXPECT_EQ(copy.Split(';', 0, 5), five);
  EXPECT_EQ(PartsOf(five), (Parts{"unit_3", "1", "12", "1", "0"}));

  // Another way of splitting gets its own parts and leaves the first alone.
  const TStrSplit* seven = record.Split(';', 0, 7);
  EXPECT_NE(seven, five);
  EXPECT_EQ(seven->Parts[5].str(), "Мотор");
  EXPECT_EQ(seven->Rest.str(), "1");
  EXPECT_EQ(record.Split(';', 0, 5), five);
  EXPECT_EQ(record.Split(';', 1, 5)->Parts[0].str(), "1");
  EXPECT_EQ(record.Split(',', 0, 2)->Parts[0].str(), record.str());

  // An equal text made apart is split apart.
  const TStr equal(std::string(record.str()));
  EXPECT_NE(equal.Split(';', 0, 5), five);
  EXPECT_EQ(PartsOf(equal.Split(';', 0, 5)), PartsOf(five));
}

// A list item read through the array interface and split by TZEMultiStrPart.
class ListItemSplit : public test::RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    list.SetStrings("a;1\r\nb;2\r\nc;3");
    a = test::ArrayOf(list);
    part.Delimiter = ";";
    part.SetCount(2);
  }
  // Parts 0 and 1 of item i, as the splitting element keeps them.
  Parts SplitItem(int32_t i) {
    TData index, item;
    MakeInt(index, i);
    if (!a->Get(a->Self, index, item)) return {"no item"};
    Fire(MakeWire(0, &TZEMultiStrPart::Split, &part), item);
    return {PartOf(0), PartOf(1)};
  }
  std::string PartOf(uint16_t k) {
    TData p;
    part.Part(p, k);
    return ToStr(p);
  }
  TZEStrList list;
  TArrayIntf* a = nullptr;
  TZEMultiStrPart part;
};

TEST_F(ListItemSplit, AChangedItemIsSplitAnew) {
  EXPECT_EQ(SplitItem(0), (Parts{"a", "1"}));
  EXPECT_EQ(SplitItem(1), (Parts{"b", "2"}));
  EXPECT_EQ(SplitItem(0), (Parts{"a", "1"}));

  TData index, value;
  MakeInt(index, 0);
  MakeStr(value, "a;9");
  a->Set(a->Self, index, value);
  EXPECT_EQ(SplitItem(0), (Parts{"a", "9"}));
  EXPECT_EQ(list.Items(), (Parts{"a;9", "b;2", "c;3"}));

  // Deleting the first item moves the others up; their splits move with them.
  TData first;
  MakeInt(first, 0);
  list.Delete(first, 0);
  EXPECT_EQ(SplitItem(0), (Parts{"b", "2"}));
  EXPECT_EQ(SplitItem(1), (Parts{"c", "3"}));

  MakeStr(value, "d;4");
  a->Add(a->Self, value);
  EXPECT_EQ(SplitItem(2), (Parts{"d", "4"}));

  list.SetStrings("e;5");
  EXPECT_EQ(SplitItem(0), (Parts{"e", "5"}));
  EXPECT_EQ(SplitItem(1), (Parts{"no item"}));
}

TEST_F(ListItemSplit, PartsFollowTheLastTextSplit) {
  test::TProbe none;
  part.OnNoDelimiter = MakeWire(0, &test::TProbe::Take, &none);
  EXPECT_EQ(SplitItem(2), (Parts{"c", "3"}));
  FireStr(MakeWire(0, &TZEMultiStrPart::Split, &part), "plain");
  EXPECT_EQ((Parts{PartOf(0), PartOf(1)}), (Parts{"", ""}));
  EXPECT_EQ(none.Seen, (Parts{"str plain"}));
  EXPECT_EQ(SplitItem(2), (Parts{"c", "3"}));
  part.SetCount(1);
  EXPECT_EQ((Parts{PartOf(0), PartOf(1)}), (Parts{"", ""}));
  EXPECT_EQ(SplitItem(1), (Parts{"b", ""}));
}

}  // namespace
}  // namespace zorn
